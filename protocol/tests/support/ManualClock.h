// A clock that only moves when someone sleeps on it: protocol delays and
// time-outs pass at once, and tests can read how long they would have taken.
#pragma once

#include <algorithm>

#include "talvinet/Clock.h"

namespace talvinet::testing {

class ManualClock final : public Clock {
 public:
  TimePoint Now() override { return now_; }
  void SleepUntil(TimePoint when) override { now_ = std::max(now_, when); }
  void Advance(Duration by) { now_ += by; }
  long long ElapsedMs() const { return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - TimePoint()).count(); }

  // Milliseconds the clock moves while `action` runs.
  template <typename Action>
  long long MillisecondsTaken(Action action) {
    const long long before = ElapsedMs();
    action();
    return ElapsedMs() - before;
  }

 private:
  TimePoint now_{};
};

}  // namespace talvinet::testing
