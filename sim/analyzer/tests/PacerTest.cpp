#include "simanalyzer/Pacer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace simanalyzer {
namespace {

using Clock = Pacer::Clock;
using std::chrono::milliseconds;

TEST(PacerTest, UnpacedLineNeverHoldsBytesBack) {
  for (const Pacing pacing : {Pacing{0, 1.0}, Pacing{19200, 0.0}, Pacing{-5, 1.0}}) {
    Pacer pacer(pacing);
    const auto now = Clock::now();
    pacer.Sent(100000, now);
    EXPECT_FALSE(pacer.Paced());
    EXPECT_EQ(pacer.Allowance(now), SIZE_MAX);
    EXPECT_EQ(pacer.Wait(now), Clock::duration::zero());
  }
}

// Sends as fast as the pacer allows on a pretend clock; returns the time taken.
Clock::duration TimeToSend(Pacer& pacer, std::size_t total) {
  const Clock::time_point start{};
  Clock::time_point now = start;
  std::size_t sent = 0;
  while (sent < total) {
    now += pacer.Wait(now);
    const std::size_t chunk = std::min(total - sent, pacer.Allowance(now));
    EXPECT_GT(chunk, 0u);
    pacer.Sent(chunk, now);
    sent += chunk;
  }
  return now + pacer.Wait(now) - start;
}

TEST(PacerTest, TenBitsPerByteAtTheChosenRate) {
  struct Case {
    Pacing pacing;
    std::size_t bytes;
    milliseconds expected;
  };
  const Case cases[] = {
      {{19200, 1.0}, 1920, milliseconds(1000)},
      {{9600, 1.0}, 960, milliseconds(1000)},
      {{19200, 10.0}, 1920, milliseconds(100)},
      {{1200, 1.0}, 12, milliseconds(100)},
  };
  for (const Case& c : cases) {
    Pacer pacer(c.pacing);
    const auto took = std::chrono::duration_cast<milliseconds>(TimeToSend(pacer, c.bytes));
    EXPECT_NEAR(static_cast<double>(took.count()), static_cast<double>(c.expected.count()), 2.0)
        << c.pacing.baud << " baud x" << c.pacing.speedFactor;
  }
}

TEST(PacerTest, BusyLineAllowsNothingUntilFree) {
  Pacer pacer(Pacing{19200, 1.0});
  const Clock::time_point start{};
  EXPECT_EQ(pacer.Allowance(start), 19u) << "about 10 ms worth";
  pacer.Sent(192, start);
  EXPECT_EQ(pacer.Allowance(start + milliseconds(99)), 0u);
  EXPECT_EQ(std::chrono::duration_cast<milliseconds>(pacer.Wait(start)), milliseconds(100));
  EXPECT_EQ(pacer.Allowance(start + milliseconds(100)), 19u);
}

TEST(PacerTest, IdleTimeEarnsNoBurst) {
  Pacer pacer(Pacing{9600, 1.0});
  const Clock::time_point start{};
  pacer.Sent(9, start);
  EXPECT_EQ(pacer.Allowance(start + std::chrono::seconds(60)), 9u);
}

}  // namespace
}  // namespace simanalyzer
