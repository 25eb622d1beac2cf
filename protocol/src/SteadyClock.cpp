#include <thread>

#include "talvinet/Clock.h"

namespace talvinet {
namespace {

class SystemSteadyClock final : public Clock {
 public:
  TimePoint Now() override { return std::chrono::steady_clock::now(); }
  void SleepUntil(TimePoint when) override { std::this_thread::sleep_until(when); }
};

}  // namespace

Clock& SteadyClock() {
  static SystemSteadyClock clock;
  return clock;
}

}  // namespace talvinet
