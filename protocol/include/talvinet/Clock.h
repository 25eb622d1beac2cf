// The monotonic clock behind every protocol delay and serial time-out. Tests
// substitute a manual clock so that seconds of protocol waiting pass at once.
#pragma once

#include <chrono>

namespace talvinet {

class Clock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Duration = std::chrono::steady_clock::duration;

  virtual ~Clock() = default;
  virtual TimePoint Now() = 0;
  // Returns no earlier than `when` (by this clock).
  virtual void SleepUntil(TimePoint when) = 0;
};

// std::chrono::steady_clock, sleeping instead of spinning.
Clock& SteadyClock();

}  // namespace talvinet
