// Holds reply bytes to the pace of a serial line: 10 bits per byte at 8N1,
// so 1920 bytes a second at 19200 baud.
#pragma once

#include <chrono>
#include <cstddef>

namespace simanalyzer {

struct Pacing {
  int baud = 0;               // 0: no pacing, bytes go out as fast as they can
  double speedFactor = 1.0;   // 10 runs the line ten times faster than `baud`
};

class Pacer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Pacer(Pacing pacing);

  bool Paced() const { return bytesPerSecond_ > 0; }
  // How many bytes may go out at `now`: none while the line is still busy
  // with earlier bytes, else about 10 ms worth (at least one).
  std::size_t Allowance(Clock::time_point now) const;
  // How long from `now` until the line is free again.
  Clock::duration Wait(Clock::time_point now) const;
  void Sent(std::size_t count, Clock::time_point now);

 private:
  double bytesPerSecond_ = 0;
  std::size_t burst_ = 1;
  Clock::time_point lineFree_{};
};

}  // namespace simanalyzer
