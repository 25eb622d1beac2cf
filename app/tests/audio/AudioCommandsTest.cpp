// Record and Playback through the main frame, over a fake sound device.
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "audio/CRecordingStatusDlg.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "shell/CMainFrame.h"
#include "tests/support/FakeAudioSystem.h"
#include "tests/support/RunningApp.h"

class AudioCommandsTest : public QObject, public RunningApp {
  Q_OBJECT

  FakeAudioScript audioScript;
  FakeAudioLog audioLog;

  void StartWithAudio() {
    QVERIFY(Start());
    audioScript = FakeAudioScript{};
    audioLog = FakeAudioLog{};
  }
  void UseAudio() { Frame().SetAudioSystem(std::make_unique<FakeAudioSystem>(audioScript, audioLog)); }

 private slots:
  // A missing device disables its commands, and their tips say which is missing.
  void commandsNeedTheirSoundDevices_data() {
    QTest::addColumn<bool>("input");
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("recordTip");
    QTest::addColumn<QString>("playbackTip");
    const QString noInput = QStringLiteral("No sound input device was found.");
    const QString noOutput = QStringLiteral("No sound output device was found.");
    QTest::newRow("no devices") << false << false << noInput << noOutput;
    QTest::newRow("no input") << false << true << noInput << "Playback a previously recorded sound";
    QTest::newRow("both") << true << true << "Start a recording of the analyzer output"
                          << "Playback a previously recorded sound";
  }
  void commandsNeedTheirSoundDevices() {
    QFETCH(bool, input);
    QFETCH(bool, output);
    QFETCH(QString, recordTip);
    QFETCH(QString, playbackTip);
    StartWithAudio();
    audioScript.waveInputExists = input;
    audioScript.waveOutputExists = output;
    UseAudio();
    Frame().UpdateCommandUI();
    QCOMPARE(Frame().Action(cmd::kRecord)->isEnabled(), input && output);
    QCOMPARE(Frame().Action(cmd::kPlayback)->isEnabled(), output);
    QCOMPARE(Frame().Action(cmd::kRecord)->statusTip(), recordTip);
    QCOMPARE(Frame().Action(cmd::kPlayback)->statusTip(), playbackTip);
    if (!input) QCOMPARE(Frame().Action(cmd::kRecord)->toolTip(), recordTip);
    QVERIFY(Stop());
  }

  // A save that fails says why and offers another file; the recording waits for it.
  void aFailedSaveKeepsTheRecording() {
    StartWithAudio();
    UseAudio();
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing"));
    prompts::QueueFileName(missing + QStringLiteral("/take.wav"));
    prompts::QueueAnswer(prompts::Answer::Yes);
    prompts::QueueFileName(folder.filePath(QStringLiteral("take.wav")));
    QTimer::singleShot(150, &Frame(), [&] {
      Frame().findChild<CRecordingStatusDlg*>()->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
    });
    Frame().OnCommand(cmd::kRecord);
    QCOMPARE(prompts::ShownTexts().last(),
             QStringLiteral("The recording could not be saved to %1/take.wav.\nThe folder %1 cannot take a new file: "
                            "No such file or directory.\nSave it to another file?").arg(missing));
    QCOMPARE(QFile(folder.filePath(QStringLiteral("take.wav"))).size(), 44 + audioScript.samples.size());
    QVERIFY(Stop());
  }

  // Each way of ending a recording keeps what was recorded.
  void recordingEndsAndIsSaved_data() {
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("saveChosen");
    QTest::newRow("stop button") << "stop" << true;
    QTest::newRow("input goes away") << "input" << true;
    QTest::newRow("main window closes") << "close" << true;
    QTest::newRow("save cancelled") << "stop" << false;
  }
  void recordingEndsAndIsSaved() {
    QFETCH(QString, ending);
    QFETCH(bool, saveChosen);
    StartWithAudio();
    UseAudio();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("take.wav"));
    if (saveChosen) prompts::QueueFileName(folder.filePath(QStringLiteral("take")));
    bool recordingShown = false;
    QTimer::singleShot(150, &Frame(), [&] {
      auto* status = Frame().findChild<CRecordingStatusDlg*>();
      recordingShown = status && status->isVisible() && Frame().Recording();
      if (ending == QLatin1String("stop")) status->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
      if (ending == QLatin1String("input")) audioLog.inputEnded();
      if (ending == QLatin1String("close")) Frame().close();
    });
    Frame().OnCommand(cmd::kRecord);
    QVERIFY(recordingShown);
    QVERIFY(!Frame().Recording());
    QCOMPARE(QFile(path).size(), saveChosen ? 44 + audioScript.samples.size() : 0);
    QCOMPARE(audioLog.calls.last(), QStringLiteral("Close"));
    QCOMPARE(Frame().isVisible(), ending != QLatin1String("close"));
    QVERIFY(Stop());
  }

  void playbackPlaysTheChosenFile() {
    StartWithAudio();
    UseAudio();
    prompts::QueueFileName(QStringLiteral("/tmp/take.wav"));
    Frame().OnCommand(cmd::kPlayback);
    QCOMPARE(audioLog.calls, (QStringList{"Open", "Play /tmp/take.wav", "Close"}));
    QVERIFY(!Frame().Action(cmd::kPlayback)->isChecked());
    QVERIFY(Stop());
  }
};

QTEST_MAIN(AudioCommandsTest)
#include "AudioCommandsTest.moc"
