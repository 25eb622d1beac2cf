// Everything the virtual analyzer remembers between commands.
#pragma once

#include <ctime>
#include <functional>

#include "simanalyzer/FrontPanel.h"
#include "simanalyzer/Identity.h"
#include "simanalyzer/MemoryStore.h"

namespace simanalyzer {

struct AnalyzerState {
  Identity identity = IdentityFor(Model::Cedar);
  MemoryStore store;
  Diskette diskette;
  // What "store current measurement" files away.
  StoredRecord measurement;
  bool remote = false;
  // The measurement is running (the R/S key toggles it).
  bool running = false;
  FrontPanel panel;
  // The analyzer's clock; it stamps new files.
  std::function<std::time_t()> clock = [] { return std::time(nullptr); };
};

}  // namespace simanalyzer
