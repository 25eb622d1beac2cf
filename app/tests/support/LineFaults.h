// The ways the line to a virtual analyzer fails under a window, as rows of
// the tables that each window family runs through.
#pragma once

#include <QMetaType>

namespace simanalyzer {
class PtyAnalyzer;
}

enum class LineFault {
  kSilence,          // from the reply to the struck mnemonic on, the analyzer says nothing more
  kSilenceThatEnds,  // the same, until EndSilence
  kHangUp,           // that reply stops and the line is closed
  kTerminalClosed,   // the pseudo-terminal goes away under the program
};
Q_DECLARE_METATYPE(LineFault)

// Adds the column "fault" and one row per fault to the running test's table.
void AddLineFaultRows();
// Strikes `fault` at the next reply to `mnemonic`; a closed terminal at once.
void Strike(simanalyzer::PtyAnalyzer& analyzer, LineFault fault, const char* mnemonic);
// The analyzer answers again.
void EndSilence(simanalyzer::PtyAnalyzer& analyzer);
// The faults after which the device is gone.
inline bool LosesTheDevice(LineFault fault) { return fault == LineFault::kHangUp || fault == LineFault::kTerminalClosed; }
