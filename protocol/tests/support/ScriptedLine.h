// A scripted serial line for unit tests: records every byte the host writes
// and answers on the manual clock's time line.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ManualClock.h"
#include "talvinet/ByteChannel.h"

namespace talvinet::testing {

class ScriptedLine {
 public:
  explicit ScriptedLine(ManualClock& clock) : clock_(clock) {}

  // When the host has written `trigger` (counted from the last trigger),
  // `reply` arrives `afterMs` later.
  void Answer(const std::string& trigger, const std::string& reply, long afterMs = 0);
  // Bytes that arrive `afterMs` from now, whatever the host writes.
  void Arrive(const std::string& bytes, long afterMs = 0);
  // The line is gone from `afterMs` from now.
  void HangUp(long afterMs = 0);

  const std::string& Written() const { return written_; }
  void ClearWritten() {
    written_.clear();
    matchedUpTo_ = 0;
  }
  const std::vector<std::string>& OpenedPaths() const { return opened_; }
  const LineSettings& Settings() const { return settings_; }
  std::size_t UnreadBytes() const;

  bool failWrites = false;
  bool refuseSettings = false;
  bool refuseOpen = false;

  // The opener to give Talvinet: each open gets a channel onto this line.
  ChannelOpener Opener();

 private:
  friend class ScriptedChannel;
  struct Arrival {
    Clock::TimePoint at;
    std::string bytes;
  };
  struct Rule {
    std::string trigger;
    std::string reply;
    long afterMs;
  };
  void Schedule(const std::string& bytes, long afterMs);
  void Wrote(const unsigned char* data, std::size_t size);

  ManualClock& clock_;
  std::deque<Arrival> arrivals_;
  std::deque<Rule> rules_;
  std::string written_;
  std::size_t matchedUpTo_ = 0;
  std::vector<std::string> opened_;
  LineSettings settings_;
  bool hangUpScheduled_ = false;
  Clock::TimePoint hangUpAt_{};
};

}  // namespace talvinet::testing
