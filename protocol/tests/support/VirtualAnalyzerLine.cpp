#include "VirtualAnalyzerLine.h"

#include <algorithm>
#include <cstring>

namespace talvinet::testing {

namespace {

// A host that stays quiet this long has ended any line it left open ("DX").
constexpr std::chrono::milliseconds kHostPause(20);

}  // namespace

class AnalyzerChannel final : public ByteChannel {
 public:
  explicit AnalyzerChannel(VirtualAnalyzerLine& line) : line_(line) {}

  bool Configure(const LineSettings&) override { return true; }
  void SetModemLines(bool, bool) override {}

  long Write(const unsigned char* data, std::size_t size, Clock::TimePoint) override {
    line_.Wrote(data, size);
    return static_cast<long>(size);
  }

  long Read(unsigned char* data, std::size_t room, Clock::TimePoint deadline) override {
    if (line_.analyzer_.PendingOutput() == 0) {
      line_.clock_.SleepUntil(deadline);
      return 0;
    }
    if (line_.ArrivedBy(line_.clock_.Now()) == 0) {
      const Clock::TimePoint next = line_.ArrivalOfNext();
      if (next > deadline) {
        line_.clock_.SleepUntil(deadline);
        return 0;
      }
      line_.clock_.SleepUntil(next);
    }
    const std::string bytes = line_.Take(std::min(room, line_.ArrivedBy(line_.clock_.Now())));
    std::memcpy(data, bytes.data(), bytes.size());
    return static_cast<long>(bytes.size());
  }

  std::size_t PendingOutput() override { return 0; }
  void DiscardInput() override { line_.Take(line_.ArrivedBy(line_.clock_.Now())); }

 private:
  VirtualAnalyzerLine& line_;
};

ChannelOpener VirtualAnalyzerLine::Opener() {
  return [this](const std::string&, Clock&) -> std::unique_ptr<ByteChannel> {
    return std::make_unique<AnalyzerChannel>(*this);
  };
}

void VirtualAnalyzerLine::Wrote(const unsigned char* data, std::size_t size) {
  const Clock::TimePoint now = clock_.Now();
  if (analyzer_.LineOpen() && now - lastWrite_ >= kHostPause) analyzer_.HostPaused();
  lastWrite_ = now;
  if (analyzer_.PendingOutput() == 0) {
    replyStart_ = now;
    delivered_ = 0;
  }
  written_.append(reinterpret_cast<const char*>(data), size);
  analyzer_.Receive(std::span(data, size));
}

std::size_t VirtualAnalyzerLine::ArrivedBy(Clock::TimePoint when) const {
  const std::size_t pending = analyzer_.PendingOutput();
  if (bytesPerSecond <= 0) return pending;
  const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(when - replyStart_).count();
  const auto sent = static_cast<std::size_t>(std::max<long long>(elapsed, 0) * bytesPerSecond / 1000000);
  return std::min(pending, sent > delivered_ ? sent - delivered_ : 0);
}

Clock::TimePoint VirtualAnalyzerLine::ArrivalOfNext() const {
  const long long microseconds = (static_cast<long long>(delivered_) + 1) * 1000000 / std::max(bytesPerSecond, 1L);
  return replyStart_ + std::chrono::microseconds(microseconds + 1);
}

std::string VirtualAnalyzerLine::Take(std::size_t count) {
  const std::vector<uint8_t> bytes = analyzer_.TakeOutput(count);
  delivered_ += bytes.size();
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace talvinet::testing
