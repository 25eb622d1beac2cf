// A Talvinet on a scripted serial line and a manual clock, with its protected
// helpers in reach.
#pragma once

#include <gtest/gtest.h>

#include "ManualClock.h"
#include "ScriptedLine.h"
#include "talvinet/Talvinet.h"

namespace talvinet::testing {

class TalvinetProbe : public Talvinet {
 public:
  using Talvinet::GetDelayTime;
  using Talvinet::GetLinesInResult;
  using Talvinet::modelClass;
  using Talvinet::SanitizeResultString;
};

inline ConnectionStruct SerialConnection(int port = 1, int baudRate = 9600, int stopBits = 1) {
  return ConnectionStruct{0, port, baudRate, 8, stopBits, 'N'};
}

class ScriptedTalvinetTest : public ::testing::Test {
 protected:
  static constexpr const char* kDevice = "/dev/scripted-analyzer";

  ScriptedTalvinetTest() : line(clock) {
    analyzer.clock = &clock;
    analyzer.openChannel = line.Opener();
    analyzer.serialDeviceFiles[1] = kDevice;
  }

  void OpenSerial(int baudRate = 9600) {
    ConnectionStruct connection = SerialConnection(1, baudRate);
    ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  }

  // Milliseconds the manual clock moves while `action` runs.
  template <typename Action>
  long long MillisecondsTaken(Action action) {
    return clock.MillisecondsTaken(action);
  }

  ManualClock clock;
  ScriptedLine line;
  TalvinetProbe analyzer;
};

}  // namespace talvinet::testing
