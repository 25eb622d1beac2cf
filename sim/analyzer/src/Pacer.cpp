#include "simanalyzer/Pacer.h"

#include <algorithm>
#include <cstdint>

namespace simanalyzer {
namespace {

constexpr double kBitsPerByte = 10;
constexpr double kBurstSeconds = 0.01;

}  // namespace

Pacer::Pacer(Pacing pacing) {
  if (pacing.baud <= 0 || pacing.speedFactor <= 0) return;
  bytesPerSecond_ = pacing.baud / kBitsPerByte * pacing.speedFactor;
  burst_ = std::max<std::size_t>(1, static_cast<std::size_t>(bytesPerSecond_ * kBurstSeconds));
}

std::size_t Pacer::Allowance(Clock::time_point now) const {
  if (!Paced()) return SIZE_MAX;
  return now >= lineFree_ ? burst_ : 0;
}

Pacer::Clock::duration Pacer::Wait(Clock::time_point now) const {
  if (!Paced() || now >= lineFree_) return Clock::duration::zero();
  return lineFree_ - now;
}

void Pacer::Sent(std::size_t count, Clock::time_point now) {
  if (!Paced() || count == 0) return;
  const std::chrono::duration<double> busy(static_cast<double>(count) / bytesPerSecond_);
  lineFree_ = std::max(lineFree_, now) + std::chrono::duration_cast<Clock::duration>(busy);
}

}  // namespace simanalyzer
