// The record preview when the virtual analyzer stops answering: the pane
// empties and says why under a title naming the record chosen; a choice that
// is not a record, and Disconnect, empty it without a word.
#include <QLabel>
#include <QTest>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "commands/CommandIds.h"
#include "link/LinkHealth.h"
#include "shell/CMainFrame.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "VqbBuilder.h"

using Step = simanalyzer::Faults::Step;
Q_DECLARE_METATYPE(Step)

class RecordPreviewFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  void noRecordStaysOnViewAfterAFailure_data() {
    QTest::addColumn<Step>("fault");  // kNone: the memory file is chosen instead
    QTest::addColumn<QString>("title");
    QTest::newRow("silence") << Step::kSilence << "Normal 2 in PREVIEWS";
    QTest::newRow("hang-up") << Step::kHangUp << "Normal 2 in PREVIEWS";
    QTest::newRow("not a record") << Step::kNone << "No record or block chosen";
  }
  void noRecordStaysOnViewAfterAFailure() {
    QFETCH(Step, fault);
    QFETCH(QString, title);
    SimulatorSession session(
        {{"PREVIEWS", {{1, vqbtest::SpectrumRecord(1, 400)}, {1, vqbtest::SpectrumRecord(2, 400)}}}});
    if (!session.problem.empty()) QSKIP(session.problem.c_str());
    QVERIFY(session.tree);
    CMainFrame& frame = *session.app.MainFrame();
    CVQBDataView& view = *frame.DataView();
    const auto* shownTitle = frame.findChild<QLabel*>(QStringLiteral("previewTitle"));
    QTreeWidgetItem* file = session.tree->AnalyzerRoot()->child(0);
    treetest::Expand(file);
    session.tree->setCurrentItem(file->child(0));
    QVERIFY(view.Text().contains("Output of Normal 1\r\n"));
    QCOMPARE(shownTitle->text(), QStringLiteral("Normal 1 in PREVIEWS"));

    session.analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& served) {
      // Silence from now on; a hang-up as the record's bytes begin.
      if (fault == Step::kSilence) served.Misbehaviour().silentAfterBytes = 0;
      if (fault == Step::kHangUp) served.Misbehaviour().step = fault;
      served.Misbehaviour().stepMnemonic = "QRR";
    });
    session.tree->setCurrentItem(fault == Step::kNone ? file : file->child(1));
    const bool failed = fault != Step::kNone;
    QVERIFY(view.Text().isEmpty());
    QCOMPARE(shownTitle->text(), title);
    QCOMPARE(view.Reason(), failed ? "The record could not be read from the analyzer.\n" + NotAnsweringCause() : "");
    QVERIFY(!frame.PreviewTabs()->isTabEnabled(1));
    if (fault == Step::kHangUp) QTRY_COMPARE(session.app.m_connected, 0);
    // Whatever the link did, Disconnect leaves no record of the analyzer on view.
    if (session.app.m_connected == 1) frame.OnCommand(cmd::kDisconnect);
    QCOMPARE(shownTitle->text(), QStringLiteral("No record or block chosen"));
    QVERIFY(view.Reason().isEmpty());
  }
};

QTEST_MAIN(RecordPreviewFaultsTest)
#include "RecordPreviewFaultsTest.moc"
