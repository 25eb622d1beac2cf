// The file commands over a scripted analyzer, and the progress window's rules.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/UserPrompts.h"
#include "fileops/CDownloadProgressDlg.h"
#include "fileops/FileCommands.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/ModalDriver.h"

class FileCommandsTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;
  FakeAnalyzerLink link{script, log};
  QWidget frame;

 private slots:
  void init() {
    ResetAppTestEnvironment();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
  }

  void createMarksOtherCharactersAndRefusesNine_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("calls");  // none: the dialog stays open with message 61547
    QTest::newRow("blank") << "noise 1" << QStringList{"CreateMemoryFile NOISE_1 1"};
    QTest::newRow("eight") << "abcdefg8" << QStringList{"CreateMemoryFile ABCDEFG8 1"};
    QTest::newRow("nine") << "abcdefgh9" << QStringList();
  }
  void createMarksOtherCharactersAndRefusesNine() {
    QFETCH(QString, typed);
    QFETCH(QStringList, calls);
    bool stayedOpen = false;
    OnNextModal([&](QDialog* dialog) {
      QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("fileName")), typed);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      stayedOpen = dialog->isVisible();
      if (stayedOpen) dialog->reject();
    });
    fileops::RunCreate(&frame, link);
    QCOMPARE(log.calls, calls);
    QCOMPARE(stayedOpen, calls.isEmpty());
    QCOMPARE(prompts::ShownTexts().value(0).startsWith("Please enter a name"), calls.isEmpty());
  }

  void deleteAsksFirst_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("yes");
    QTest::newRow("memory file, No") << 11 << false;
    QTest::newRow("computer file, Yes") << 13 << true;
  }
  void deleteAsksFirst() {
    QFETCH(int, kind);
    QFETCH(bool, yes);
    QTemporaryDir folder;
    const QString target = kind == 11 ? QStringLiteral("FILE0001") : folder.filePath(QStringLiteral("RUN.VQB"));
    if (kind == 13) QFile(target).open(QIODevice::WriteOnly);
    if (yes) prompts::QueueAnswer(prompts::Answer::Yes);
    fileops::RunDelete(&frame, link, kind, target);
    QCOMPARE(prompts::ShownTexts(), QStringList{"Do you really want to delete ' " + target + "'?"});
    QCOMPARE(log.calls, QStringList());
    QCOMPARE(QFile::exists(target), kind == 13 && !yes);
  }

  void progressShowsBytesAndPercentAndCancelsOnce() {
    CDownloadProgressDlg progress;
    QVERIFY(progress.Create(&frame));
    QVERIFY(!frame.isEnabled());
    QCOMPARE(OnDownloadProgress(progress, 512, 2048), 0L);
    QCOMPARE(progress.Window()->findChild<QLabel*>("statusText")->text(), "Bytes received: 512 of 2048 total");
    QCOMPARE(progress.Window()->findChild<QLabel*>("percentText")->text(), "25%");
    progress.Window()->findChild<QPushButton*>("cancelButton")->click();
    QCOMPARE(OnDownloadProgress(progress, 1024, 2048), 1L);
    QCOMPARE(OnDownloadProgress(progress, 2048, 0), 0L);
    progress.DestroyWindow();
    QVERIFY(frame.isEnabled());
  }

  void copyToComputer_data() {
    QTest::addColumn<QString>("fileName");  // empty: the save dialog is cancelled
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("save dialog cancelled") << "" << QStringList() << QStringList();
    QTest::newRow("record cut short") << "OUT" << QStringList{"CopyFileToHardDrive FILE0001 1"}
                                      << QStringList{"The file could not be copied.\nRecord 2 of 3 did not arrive "
                                                     "whole: 10 of 300 bytes after 4.0 s."};
  }
  void copyToComputer() {
    QFETCH(QString, fileName);
    script.failingStep = QStringLiteral("CopyFileToHardDrive");
    script.downloadFailure = {talvinet::kDownloadRecordIncomplete, 1, 3, 300, 10, 4000, 0};
    if (!fileName.isEmpty()) prompts::QueueFileName(fileName);
    CDownloadProgressDlg progress;
    fileops::RunCopyToComputer(&frame, link, progress, QStringLiteral("FILE0001"));
    QTEST(log.calls, "calls");
    QTEST(prompts::ShownTexts(), "shown");
    QVERIFY(frame.isEnabled());
  }

  // NAME.vqb, unpadded, in the documents folder (else home) at first, then
  // in the folder of the last download.
  void copyToComputerProposesTheNameInTheLastFolder() {
    CDownloadProgressDlg progress;
    fileops::RunCopyToComputer(&frame, link, progress, QStringLiteral("SURVEY  "));
    const QString first = prompts::LastFileRequest().startPath;
    QVERIFY(QDir::isAbsolutePath(first));
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("SURVEY.vqb"));
    QTemporaryDir folder;
    prompts::QueueFileName(folder.filePath(QStringLiteral("first.vqb")));
    fileops::RunCopyToComputer(&frame, link, progress, QStringLiteral("SURVEY  "));
    fileops::RunCopyToComputer(&frame, link, progress, QStringLiteral("FILE0001"));
    QCOMPARE(prompts::LastFileRequest().startPath, folder.filePath(QStringLiteral("FILE0001.vqb")));
  }

  // A save is done only once the analyzer confirms it (code -1: its line never came).
  void copyToDisketteRestoresTheCurrentFile_data() {
    QTest::addColumn<QString>("failingStep");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("currentAfter");
    QTest::addColumn<QString>("shown");
    QTest::newRow("saved") << "" << 0 << "PREVIOUS" << "The file was successfully copied to the analyzer's diskette.";
    QTest::newRow("save fails") << "SaveToDisk" << 0 << "FILE0001" << "The file could not be copied.";
    QTest::newRow("refused") << "" << 4 << "FILE0001"
                             << "The file could not be copied.\nThe analyzer answered with error 4.";
  }
  void copyToDisketteRestoresTheCurrentFile() {
    QFETCH(QString, failingStep);
    QFETCH(int, code);
    script.memoryFiles = {{QStringLiteral("PREVIOUS"), {}}, {QStringLiteral("FILE0001"), {}}};
    script.failingStep = failingStep;
    script.commandOutcome = {code < 0 ? 0 : 1, qMax(code, 0)};
    log.currentFile = QStringLiteral("PREVIOUS");
    fileops::RunCopyToDiskette(&frame, link, QStringLiteral("file0001"));
    QTEST(log.currentFile, "currentAfter");
    QCOMPARE(log.calls.mid(0, 3), (QStringList{"GetCurrentFile 1", "SetCurrentFile FILE0001 1", "SaveToDisk 1"}));
    QTEST(prompts::ShownTexts().join(QLatin1Char('|')), "shown");
  }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
