// The command line of verda-sim.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "simanalyzer/Faults.h"
#include "simanalyzer/Identity.h"
#include "simanalyzer/Pacer.h"
#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {

struct LoadRequest {
  std::string path;
  std::string memoryName;  // the file's own name (without extension) when not given
};

struct SimOptions {
  Model model = Model::Cedar;
  Pacing pacing{19200, 1.0};
  std::vector<LoadRequest> loads;
  bool diskette = true;
  Faults faults;
  std::optional<std::string> batteryVolts;
  std::optional<int> recordingMacro;
  bool help = false;
};

extern const char* const kSimUsage;

// Parses argv[1..]; nothing, with `problem` set, on a bad option.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments, std::string& problem);

// Sets up `analyzer` as the options say. Without --load it holds the demo
// records from `demoPath` (or built in, when that file is missing) in two
// memory files. False, with `problem` set, when a file has no readable
// record; a file cut short adds a warning and keeps its whole records.
bool ApplySimOptions(const SimOptions& options, const std::string& demoPath, VirtualAnalyzer& analyzer,
                     std::string& problem, std::vector<std::string>& warnings);

}  // namespace simanalyzer
