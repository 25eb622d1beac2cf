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
  void commandsNeedAWaveOutput() {
    StartWithAudio();
    audioScript.waveOutputExists = false;
    UseAudio();
    Frame().UpdateCommandUI();
    QVERIFY(!Frame().Action(cmd::kRecord)->isEnabled());
    QVERIFY(!Frame().Action(cmd::kPlayback)->isEnabled());
    audioScript.waveOutputExists = true;
    UseAudio();
    Frame().UpdateCommandUI();
    QVERIFY(Frame().Action(cmd::kRecord)->isEnabled());
    QVERIFY(Frame().Action(cmd::kPlayback)->isEnabled());
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
