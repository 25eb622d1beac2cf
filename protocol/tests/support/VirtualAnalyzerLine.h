// A virtual analyzer on a manual clock's time line, as a serial line: what
// the host writes reaches the analyzer at once, and its replies arrive at
// `bytesPerSecond` (all at once when 0), so downloads run many polls long
// without any real waiting.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "ManualClock.h"
#include "simanalyzer/VirtualAnalyzer.h"
#include "talvinet/ByteChannel.h"

namespace talvinet::testing {

class VirtualAnalyzerLine {
 public:
  VirtualAnalyzerLine(ManualClock& clock, simanalyzer::VirtualAnalyzer analyzer)
      : clock_(clock), analyzer_(std::move(analyzer)) {}

  simanalyzer::VirtualAnalyzer& Analyzer() { return analyzer_; }
  // Every byte the host has written.
  const std::string& Written() const { return written_; }
  void ClearWritten() { written_.clear(); }

  // The opener to give Talvinet.
  ChannelOpener Opener();

  long bytesPerSecond = 0;

 private:
  friend class AnalyzerChannel;
  void Wrote(const unsigned char* data, std::size_t size);
  // Reply bytes that have arrived by `when`.
  std::size_t ArrivedBy(Clock::TimePoint when) const;
  Clock::TimePoint ArrivalOfNext() const;
  std::string Take(std::size_t count);

  ManualClock& clock_;
  simanalyzer::VirtualAnalyzer analyzer_;
  std::string written_;
  Clock::TimePoint lastWrite_{};
  // The reply stream in flight began at `replyStart_`; `delivered_` of its
  // bytes have been read or discarded.
  Clock::TimePoint replyStart_{};
  std::size_t delivered_ = 0;
};

}  // namespace talvinet::testing
