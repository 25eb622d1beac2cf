// The virtual analyzer's capture streams decode back into its screens,
// whatever bytes the screens hold.
#include "ScreenStreamDecoder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "simanalyzer/ScreenStream.h"

namespace talvinet {
namespace {

using simanalyzer::ScreenBytes;

ScreenBytes Decoded(const std::vector<uint8_t>& stream, ScreenBytes screen) {
  ScreenStreamDecoder decoder(screen.data());
  for (const uint8_t byte : stream) decoder.Take(byte);
  EXPECT_TRUE(decoder.Ended());
  return screen;
}

// A screen of stretches of one value, many of them the stream's own codes.
ScreenBytes Patterned(unsigned seed) {
  std::mt19937 random(seed);
  const uint8_t values[] = {0x00, 0x55, 0xAA, '\r', '\n', 'B', 'D', 0xFF, 0x01};
  ScreenBytes screen{};
  for (std::size_t at = 0; at < screen.size();) {
    const uint8_t value = values[random() % std::size(values)];
    for (std::size_t n = 1 + random() % 300; n > 0 && at < screen.size(); --n) screen[at++] = value;
  }
  return screen;
}

TEST(ScreenStreamDecoderTest, FullAndChangesCapturesRoundTrip) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    const ScreenBytes first = Patterned(seed);
    ScreenBytes second = first;
    for (std::size_t i = seed * 97; i < second.size(); i += 389) second[i] ^= 0x5A;
    ScreenBytes stale{};
    stale.fill(0x3C);
    EXPECT_EQ(Decoded(simanalyzer::FullCaptureStream(first), stale), first);
    EXPECT_EQ(Decoded(simanalyzer::ChangesCaptureStream(first, second), first), second);
  }
  const ScreenBytes same = Patterned(9);
  EXPECT_LT(simanalyzer::ChangesCaptureStream(same, same).size(), 100u);
}

}  // namespace
}  // namespace talvinet
