// A Talvinet on a virtual analyzer over the manual clock, with its protected
// file and identity members in reach, and memory files to work on.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ManualClock.h"
#include "VirtualAnalyzerLine.h"
#include "simanalyzer/VirtualAnalyzer.h"
#include "talvinet/Talvinet.h"

namespace talvinet::testing {

class FilesProbe : public Talvinet {
 public:
  using Talvinet::bytesExpected;
  using Talvinet::bytesReceived;
  using Talvinet::hardwareSetup;
  using Talvinet::ModelNumber;
  using Talvinet::modelClass;
  using Talvinet::WriteWord;
};

// `size` bytes counting up from `first`.
inline std::vector<uint8_t> CountingBytes(std::size_t size, uint8_t first = 0) {
  std::vector<uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(first + i);
  return bytes;
}

// Records: type 1 of 300 bytes, type 2 of 256 bytes, type 1 of 0 bytes.
inline simanalyzer::MemoryFile SurveyFile() {
  simanalyzer::MemoryFile file{"SURVEY  ", "03/14/98", "09:26:53", {}};
  file.records.push_back({1, CountingBytes(300, 7)});
  file.records.push_back({2, CountingBytes(256, 100)});
  file.records.push_back({1, {}});
  return file;
}

inline simanalyzer::VirtualAnalyzer AnalyzerWithFiles(simanalyzer::Model model = simanalyzer::Model::Cedar) {
  simanalyzer::VirtualAnalyzer analyzer(model);
  analyzer.State().clock = [] { return std::time_t{0}; };
  analyzer.State().store.Add(simanalyzer::MemoryFile{"EMPTY   ", "01/02/03", "04:05:06", {}});
  analyzer.State().store.Add(SurveyFile());
  return analyzer;
}

class AnalyzerTalvinetTest : public ::testing::Test {
 protected:
  static constexpr int kBaudRate = 19200;

  explicit AnalyzerTalvinetTest(simanalyzer::VirtualAnalyzer virtualAnalyzer = AnalyzerWithFiles())
      : line(clock, std::move(virtualAnalyzer)) {
    analyzer.clock = &clock;
    analyzer.openChannel = line.Opener();
    analyzer.serialDeviceFiles[1] = "/dev/virtual-analyzer";
  }

  void Open(int baudRate = kBaudRate, int stopBits = 1) {
    ConnectionStruct connection{0, 1, baudRate, 8, stopBits, 'N'};
    ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  }

  simanalyzer::VirtualAnalyzer& Virtual() { return line.Analyzer(); }
  simanalyzer::Faults& Faults() { return line.Analyzer().Misbehaviour(); }

  // Milliseconds the manual clock moves while `action` runs.
  template <typename Action>
  long long MillisecondsTaken(Action action) {
    return clock.MillisecondsTaken(action);
  }

  ManualClock clock;
  VirtualAnalyzerLine line;
  FilesProbe analyzer;
};

}  // namespace talvinet::testing
