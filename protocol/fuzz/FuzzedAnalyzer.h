// An analyzer on a scripted serial line whose replies a fuzz target chooses.
#pragma once

#include <string>

#include "ManualClock.h"
#include "ScriptedLine.h"
#include "talvinet/Talvinet.h"

struct FuzzedAnalyzer {
  talvinet::testing::ManualClock clock;
  talvinet::testing::ScriptedLine line{clock};
  Talvinet analyzer;

  // Opens Com1 on the scripted line; false when it does not open.
  bool Open() {
    analyzer.clock = &clock;
    analyzer.openChannel = line.Opener();
    analyzer.serialDeviceFiles[1] = "/dev/fuzzed-analyzer";
    ConnectionStruct connection{0, 1, 19200, 8, 1, 'N'};
    return analyzer.OpenConnection(&connection) != 0;
  }

  // The query `query` is answered with `reply`.
  void Answer(const char* query, const std::string& reply) { line.Answer(std::string(query) + "\x11", reply); }
};
