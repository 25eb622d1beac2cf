#include "simanalyzer/ScreenStream.h"

#include <algorithm>

namespace simanalyzer {
namespace {

constexpr uint8_t kSkip = 0x55;
constexpr uint8_t kRun = 0xAA;
constexpr std::size_t kLongestCount = 255;
// Shorter stretches of one value go as literals, which are no longer.
constexpr std::size_t kShortestRun = 3;

bool TravelsOnlyInRuns(uint8_t value) { return value == kSkip || value == kRun || value == '\r'; }

std::vector<uint8_t> Encode(uint8_t first, const ScreenBytes& previous, const ScreenBytes& current) {
  std::vector<uint8_t> out{first};
  const std::size_t size = current.size();
  std::size_t at = 0;
  while (at < size) {
    std::size_t same = 0;
    while (at + same < size && same < kLongestCount && current[at + same] == previous[at + same]) ++same;
    if (same > 0) {
      out.insert(out.end(), {kSkip, static_cast<uint8_t>(same)});
      at += same;
      continue;
    }
    const uint8_t value = current[at];
    std::size_t run = 1;
    while (at + run < size && run < kLongestCount && current[at + run] == value) ++run;
    if (run >= kShortestRun || TravelsOnlyInRuns(value)) {
      out.insert(out.end(), {kRun, static_cast<uint8_t>(run), value});
      at += run;
    } else {
      out.push_back(value);
      ++at;
    }
  }
  out.insert(out.end(), {'\r', '\n'});
  return out;
}

}  // namespace

std::vector<uint8_t> FullCaptureStream(const ScreenBytes& current) { return Encode('B', ScreenBytes{}, current); }

std::vector<uint8_t> ChangesCaptureStream(const ScreenBytes& previous, const ScreenBytes& current) {
  return Encode('D', previous, current);
}

}  // namespace simanalyzer
