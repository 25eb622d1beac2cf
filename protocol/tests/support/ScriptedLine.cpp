#include "ScriptedLine.h"

#include <algorithm>
#include <cstring>

namespace talvinet::testing {

class ScriptedChannel final : public ByteChannel {
 public:
  explicit ScriptedChannel(ScriptedLine& line) : line_(line) {}

  bool Configure(const LineSettings& settings) override {
    if (line_.refuseSettings) return false;
    line_.settings_ = settings;
    return true;
  }
  void SetModemLines(bool, bool) override {}

  long Write(const unsigned char* data, std::size_t size, Clock::TimePoint) override {
    if (line_.failWrites || Gone()) return -1;
    line_.Wrote(data, size);
    return static_cast<long>(size);
  }

  long Read(unsigned char* data, std::size_t room, Clock::TimePoint deadline) override {
    auto& arrivals = line_.arrivals_;
    if (!arrivals.empty() && arrivals.front().at <= std::max(deadline, line_.clock_.Now())) {
      line_.clock_.SleepUntil(arrivals.front().at);
      std::string& bytes = arrivals.front().bytes;
      const std::size_t n = std::min(room, bytes.size());
      std::memcpy(data, bytes.data(), n);
      bytes.erase(0, n);
      if (bytes.empty()) arrivals.pop_front();
      return static_cast<long>(n);
    }
    if (line_.hangUpScheduled_ && line_.hangUpAt_ <= deadline) {
      line_.clock_.SleepUntil(line_.hangUpAt_);
      return -1;
    }
    line_.clock_.SleepUntil(deadline);
    return 0;
  }

  std::size_t PendingOutput() override { return 0; }

  void DiscardInput() override {
    auto& arrivals = line_.arrivals_;
    while (!arrivals.empty() && arrivals.front().at <= line_.clock_.Now()) arrivals.pop_front();
  }

 private:
  bool Gone() const { return line_.hangUpScheduled_ && line_.hangUpAt_ <= line_.clock_.Now(); }

  ScriptedLine& line_;
};

void ScriptedLine::Answer(const std::string& trigger, const std::string& reply, long afterMs) {
  rules_.push_back({trigger, reply, afterMs});
}

void ScriptedLine::Arrive(const std::string& bytes, long afterMs) { Schedule(bytes, afterMs); }

void ScriptedLine::HangUp(long afterMs) {
  hangUpScheduled_ = true;
  hangUpAt_ = clock_.Now() + std::chrono::milliseconds(afterMs);
}

std::size_t ScriptedLine::UnreadBytes() const {
  std::size_t total = 0;
  for (const Arrival& arrival : arrivals_) total += arrival.bytes.size();
  return total;
}

ChannelOpener ScriptedLine::Opener() {
  return [this](const std::string& path, Clock&) -> std::unique_ptr<ByteChannel> {
    opened_.push_back(path);
    if (refuseOpen) return nullptr;
    return std::make_unique<ScriptedChannel>(*this);
  };
}

void ScriptedLine::Schedule(const std::string& bytes, long afterMs) {
  const Clock::TimePoint at = clock_.Now() + std::chrono::milliseconds(afterMs);
  auto position = std::upper_bound(arrivals_.begin(), arrivals_.end(), at,
                                   [](Clock::TimePoint when, const Arrival& arrival) { return when < arrival.at; });
  arrivals_.insert(position, Arrival{at, bytes});
}

void ScriptedLine::Wrote(const unsigned char* data, std::size_t size) {
  written_.append(reinterpret_cast<const char*>(data), size);
  while (!rules_.empty()) {
    const std::size_t found = written_.find(rules_.front().trigger, matchedUpTo_);
    if (found == std::string::npos) return;
    matchedUpTo_ = found + rules_.front().trigger.size();
    Schedule(rules_.front().reply, rules_.front().afterMs);
    rules_.pop_front();
  }
}

}  // namespace talvinet::testing
