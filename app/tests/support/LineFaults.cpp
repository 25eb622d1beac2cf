#include "tests/support/LineFaults.h"

#include <QTest>

#include "simanalyzer/PtyAnalyzer.h"

void AddLineFaultRows() {
  QTest::addColumn<LineFault>("fault");
  QTest::newRow("silence from now on") << LineFault::kSilence;
  QTest::newRow("silence that ends") << LineFault::kSilenceThatEnds;
  QTest::newRow("hang-up") << LineFault::kHangUp;
  QTest::newRow("terminal closed") << LineFault::kTerminalClosed;
}

void Strike(simanalyzer::PtyAnalyzer& analyzer, LineFault fault, const char* mnemonic) {
  if (fault == LineFault::kTerminalClosed) {
    analyzer.Stop();
    return;
  }
  analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& served) {
    simanalyzer::Faults& faults = served.Misbehaviour();
    faults.step = fault == LineFault::kHangUp ? simanalyzer::Faults::Step::kHangUp : simanalyzer::Faults::Step::kSilence;
    faults.stepMnemonic = mnemonic;
    faults.stepOccurrence = 0;
    faults.stepByte = 0;
  });
}

void EndSilence(simanalyzer::PtyAnalyzer& analyzer) {
  analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& served) { served.Misbehaviour().silentAfterBytes.reset(); });
}
