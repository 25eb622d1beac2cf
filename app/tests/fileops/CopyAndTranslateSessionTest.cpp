// Copy to Computer and the Translate File dialog against the virtual analyzer
// over a pseudo-terminal at 19200 baud, with the real protocol library.
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "browser/CFileTree.h"
#include "fileops/CDownloadProgressDlg.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "morvane/DataProfileText.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/LineFaults.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "VqbBuilder.h"

Q_DECLARE_METATYPE(std::optional<LineFault>)

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs Copy to Computer into `path`, watching the progress window; presses its
// Cancel once bytes have come when `cancel`. Returns the last status text seen
// while the frame was disabled.
QString CopyToComputer(CMainFrame& frame, const QString& path, bool cancel) {
  QString seen;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* window = frame.DownloadProgress().Window();
    if (!window || frame.isEnabled()) return;
    seen = window->findChild<QLabel*>(QStringLiteral("statusText"))->text();
    if (cancel && seen.startsWith("Bytes received: ") && !seen.startsWith("Bytes received: 0 "))
      window->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
  });
  watch.start(20);
  prompts::QueueFileName(path);
  frame.OnCommand(cmd::kCopyToComputer);
  return seen;
}

}  // namespace

class CopyAndTranslateSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void copyCancelAndTranslateAMemoryFile() {
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer(), simanalyzer::Pacing{19200, 1.0}};
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    CMainFrame* const frame = ServeAndSelect(
        analyzer, app, "COPYTEST", {{1, vqbtest::SpectrumRecord(1, 400)}, {23, vqbtest::AutostoreRecord(1, 20, 0, 3)}});
    if (!frame) return;
    QTemporaryDir folder;

    // Cancelled half-way: the earlier file stays as it was and nothing else is left.
    const QString copy = folder.filePath(QStringLiteral("COPY.VQB"));
    QFile earlier(copy);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    QVERIFY(CopyToComputer(*frame, copy, true).startsWith("Bytes received: "));
    QVERIFY2(prompts::ShownTexts().value(0).startsWith("The file could not be copied.\nThe download was cancelled"),
             qPrintable(prompts::ShownTexts().join('|')));
    QCOMPARE(Contents(copy), QByteArray("earlier"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"COPY.VQB"});
    prompts::ClearLog();

    // Copied whole, with the progress window showing the bytes to the end.
    QVERIFY(CopyToComputer(*frame, copy, false).startsWith("Bytes received: "));
    QCOMPARE(prompts::ShownTexts(), QStringList());
    QVERIFY(frame->isEnabled());
    QCOMPARE(Morvane(QFile::encodeName(copy).constData()).GetRecordCount(), 2);

    // Translated through the dialog from the analyzer, as verda translates the copy.
    const QString output = folder.filePath(QStringLiteral("APP.CSV"));
    OnNextModal([&](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("outputPath"))->setText(output);
      dialog->findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
      dialog->findChild<QPushButton*>(QStringLiteral("translateButton"))->click();
      dialog->accept();
    });
    frame->OnCommand(cmd::kTranslate);
    QCOMPARE(prompts::ShownTexts().last(), QStringLiteral("Finished translating."));
    QVERIFY(!QFile::exists(QStringLiteral("VerdalTempOut.xxx")));  // the copy lived in a private folder
    const QString verdaOutput = folder.filePath(QStringLiteral("VERDA.CSV"));
    const QString profile = QString::fromStdString(morvane::FormatProfileText("x", *app.GetCurrentProfile()));
    QCOMPARE(QProcess::execute(QStringLiteral(VERDA_PROGRAM),
                               {"translate", copy, verdaOutput, "--profile", profile}), 0);
    QCOMPARE(Contents(output), Contents(verdaOutput));
    QVERIFY(Contents(output).contains("Data Follows"));

    frame->OnCommand(cmd::kDisconnect);
    app.ExitInstance();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }

  // A copy whose file selection met silence or a lost line says so instead of
  // blaming the file; where the analyzer answered, the step's own words stay.
  void copyFailuresNameTheirCause_data() {
    QTest::addColumn<bool>("translate");
    QTest::addColumn<std::optional<LineFault>>("fault");
    QTest::addColumn<QString>("shown");
    const QString silent = QStringLiteral("The file could not be copied.\n") + NotAnsweringCause();
    for (const bool translate : {false, true}) {
      const char* command = translate ? "translate" : "copy";
      for (const auto& [name, fault] : {std::pair{"silence", LineFault::kSilence}, {"hang-up", LineFault::kHangUp},
                                        {"terminal closed", LineFault::kTerminalClosed}})
        QTest::addRow("%s, %s", command, name) << translate << std::optional(fault) << silent;
      QTest::addRow("%s, file gone", command) << translate << std::optional<LineFault>()
                                              << "The file could not be copied.\nThe analyzer has no memory file 'COPYTEST'.";
    }
  }
  void copyFailuresNameTheirCause() {
    QFETCH(bool, translate);
    QFETCH(std::optional<LineFault>, fault);
    QTemporaryDir folder;
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    CMainFrame* const frame = ServeAndSelect(analyzer, app, "COPYTEST", {{1, vqbtest::SpectrumRecord(1, 400)}});
    if (!frame) return;
    const auto strike = [&] {
      if (fault) Strike(analyzer, *fault, "QFS");
      else analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& a) { a.State().store.Memory().Remove("COPYTEST"); });
    };
    if (translate) {
      OnNextModal([&](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("outputPath"))->setText(folder.filePath(QStringLiteral("OUT.CSV")));
        dialog->findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
        strike();
        dialog->findChild<QPushButton*>(QStringLiteral("translateButton"))->click();
        dialog->accept();
      });
      frame->OnCommand(cmd::kTranslate);
    } else {
      strike();
      CopyToComputer(*frame, folder.filePath(QStringLiteral("COPY.VQB")), false);
    }
    QTEST(prompts::ShownTexts().value(0), "shown");
    app.ExitInstance();
    analyzer.Stop();
    QVERIFY(!ModalDriverTimedOut());
  }

  // The main window closed in the middle of a download: the download stops
  // at its next progress message, nothing is written or said, the window
  // closes once the call has ended, and the program exits cleanly.
  void closingTheFrameDuringADownloadEndsCleanly() {
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer(), simanalyzer::Pacing{19200, 1.0}};
    std::vector<simanalyzer::StoredRecord> records;
    for (std::uint8_t filter = 1; filter <= 4; ++filter) records.push_back({1, vqbtest::SpectrumRecord(filter, 2000)});
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    CMainFrame* const frame = ServeAndSelect(analyzer, app, "LONGFILE", std::move(records));
    if (!frame) return;
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("COPY.VQB"));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      QWidget* window = frame->DownloadProgress().Window();
      const QString seen = window ? window->findChild<QLabel*>(QStringLiteral("statusText"))->text() : QString();
      if (seen.startsWith("Bytes received: ") && !seen.startsWith("Bytes received: 0 ")) frame->close();
    });
    closer.start(20);
    prompts::QueueFileName(copy);
    frame->OnCommand(cmd::kCopyToComputer);
    closer.stop();
    QCOMPARE(prompts::ShownTexts(), QStringList());
    QVERIFY(!QFile::exists(copy));
    QTRY_VERIFY(!frame->isVisible());
    app.ExitInstance();
    analyzer.Stop();
  }
};

QTEST_MAIN(CopyAndTranslateSessionTest)
#include "CopyAndTranslateSessionTest.moc"
