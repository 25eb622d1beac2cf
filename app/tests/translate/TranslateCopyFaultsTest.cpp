// The Translate File dialog's copy of an analyzer file, failing at every step
// in every way a line can fail, over the real serial layer and a
// pseudo-terminal against the virtual analyzer: each ends in time with the
// step's own message (but for a file selection left unanswered), translates
// nothing, leaves the output already there as it was and leaves no copy behind.
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "common/UserPrompts.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "profiles/DataProfileList.h"
#include "simanalyzer/DownloadFaultCases.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/SimulatorConnect.h"
#include "translate/CTranslateFileDlg.h"
#include "VqbBuilder.h"

Q_DECLARE_METATYPE(simanalyzer::DownloadFault)

namespace {

constexpr qint64 kTimeLimitMs = 20000;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the dialog says for `failure`: the copy failed, then the step's
// sentence as one of its own.
QRegularExpression ShownFor(const std::string& failure) {
  QString step = QString::fromStdString(failure);
  step[0] = step[0].toUpper();
  return QRegularExpression(QRegularExpression::anchoredPattern("The file could not be copied\\.\\n" + step + "\\."));
}

// Whether the analyzer is in remote mode, as it has read the line so far.
bool InRemoteMode(simanalyzer::PtyAnalyzer& analyzer) {
  bool remote = true;
  analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& served) { remote = served.State().remote; });
  return remote;
}

}  // namespace

class TranslateCopyFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyFaultAtEveryStepOfTheCopyEndsWithItsStepsMessage_data() {
    QTest::addColumn<simanalyzer::DownloadFault>("fault");
    for (const auto& fault : simanalyzer::EveryDownloadFault(simanalyzer::MemoryFileDownloadSteps()))
      QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(fault.at.name, fault.kindName))) << fault;
  }
  void everyFaultAtEveryStepOfTheCopyEndsWithItsStepsMessage() {
    QFETCH(simanalyzer::DownloadFault, fault);
    ResetAppTestEnvironment();
    QTemporaryDir folder;
    // The dialog's private folder for the copy is made here, to be seen gone.
    const QString temporary = folder.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(temporary));
    qputenv("TMPDIR", QFile::encodeName(temporary));
    simanalyzer::VirtualAnalyzer virtualAnalyzer;
    // Real records, so that the listing names them and the whole copy translates.
    simanalyzer::MemoryFile file = simanalyzer::NewFile("TWO", 0);
    file.records = {{1, vqbtest::SpectrumRecord(1, 400)}, {23, vqbtest::AutostoreRecord(1, 20, 0, 3)}};
    virtualAnalyzer.State().store.Add(file);
    simanalyzer::PtyAnalyzer analyzer{std::move(virtualAnalyzer)};
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    TalvinetLink link;
    QVERIFY(OpenSimulatorLink(link, analyzer.DevicePath()));
    DataProfileList profiles;
    CTranslateFileDlg dialog(profiles, link);
    dialog.SetInput(11, QStringLiteral("TWO     "));  // padded, as the analyzer lists it
    const QString output = folder.filePath(QStringLiteral("TWO.CSV"));
    QFile earlier(output);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("old contents") == 12);
    earlier.close();
    dialog.findChild<QLineEdit*>(QStringLiteral("outputPath"))->setText(output);
    dialog.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
    // The list returns the analyzer to local mode without waiting for it to be
    // read; a fault armed before then would meet the list's return, not the copy's.
    QTRY_VERIFY_WITH_TIMEOUT(!InRemoteMode(analyzer), 5000);
    analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& served) { simanalyzer::Arm(served, fault); });

    QElapsedTimer took;
    took.start();
    dialog.findChild<QPushButton*>(QStringLiteral("translateButton"))->click();
    const QStringList shown = prompts::ShownTexts();
    const QString seen = shown.join(QLatin1Char('|'));
    qInfo("[fault] %s, %s: %.1f s: %s", fault.at.name, fault.kindName, took.elapsed() / 1000.0, qPrintable(seen));
    QVERIFY(took.elapsed() < kTimeLimitMs);
    QVERIFY(QDir(temporary).isEmpty());
    if (fault.at.failure.empty()) {
      QCOMPARE(seen, QStringLiteral("Finished translating."));
    } else {
      QCOMPARE(shown.size(), 1);
      // A selection the analyzer left unanswered does not blame the file.
      if (fault.at.failure.find("no memory file") != std::string::npos && HealthOf(link)->SilenceIsTheCause())
        QCOMPARE(shown.first(), QStringLiteral("The file could not be copied."));
      else
        QVERIFY2(ShownFor(fault.at.failure).match(shown.first()).hasMatch(), qPrintable(shown.first()));
      QCOMPARE(Contents(output), QByteArray("old contents"));
    }
    link.CloseConnection();
    analyzer.Stop();
  }
};

QTEST_MAIN(TranslateCopyFaultsTest)
#include "TranslateCopyFaultsTest.moc"
