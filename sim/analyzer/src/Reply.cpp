#include "Reply.h"

#include <algorithm>

namespace simanalyzer {

void Reply::Line(std::string_view text) {
  const std::size_t index = linesSoFar_++;
  if (mnemonic_ == faults_.dropLineOf && index == faults_.droppedLineIndex) return;
  out_.insert(out_.end(), text.begin(), text.end());
  out_.push_back('\r');
  out_.push_back('\n');
}

void Reply::CountedListing(const std::vector<std::string>& lines) {
  Line(std::to_string(lines.size()));
  const std::size_t sent = lines.size() - std::min(lines.size(), faults_.listingLinesMissing);
  for (std::size_t i = 0; i < sent; ++i) Line(lines[i]);
}

void Reply::Data(std::span<const uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

}  // namespace simanalyzer
