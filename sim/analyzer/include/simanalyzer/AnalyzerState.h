// Everything the virtual analyzer remembers between commands.
#pragma once

#include <ctime>
#include <functional>

#include "simanalyzer/FrontPanel.h"
#include "simanalyzer/Identity.h"
#include "simanalyzer/InstrumentSettings.h"
#include "simanalyzer/MemoryStore.h"

namespace simanalyzer {

struct AnalyzerState {
  Identity identity = IdentityFor(Model::Cedar);
  MemoryStore store;
  Diskette diskette;
  // What "store current measurement" files away.
  StoredRecord measurement;
  bool remote = false;
  FrontPanel panel;
  // The analyzer's clock; it stamps new files.
  std::function<std::time_t()> clock = [] { return std::time(nullptr); };
  InstrumentSettings settings;
};

// The analyzer's own time: the clock as "CK" last set it.
inline std::time_t AnalyzerTime(const AnalyzerState& state) { return state.clock() + state.settings.clockOffset; }

}  // namespace simanalyzer
