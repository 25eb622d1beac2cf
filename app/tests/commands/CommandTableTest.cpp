#include <QTest>

#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "common/StringTable.h"

class CommandTableTest : public QObject {
  Q_OBJECT

 private slots:
  void enablingFollowsConnectionAndSelection_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("kind");  // -1: no tree pane
    QTest::addColumn<bool>("enabled");
    QTest::newRow("connect while disconnected") << cmd::kConnect << false << 0 << true;
    QTest::newRow("connect while connected") << cmd::kConnect << true << 0 << false;
    QTest::newRow("disconnect while disconnected") << cmd::kDisconnect << false << 0 << false;
    QTest::newRow("disconnect while connected") << cmd::kDisconnect << true << 0 << true;
    QTest::newRow("instrument manager disconnected") << cmd::kInstrumentManager << false << 0 << false;
    QTest::newRow("instrument manager connected") << cmd::kInstrumentManager << true << 0 << true;
    QTest::newRow("send command connected") << cmd::kSendCommand << true << 0 << true;
    QTest::newRow("virtual rta disconnected") << cmd::kVirtualRta << false << 0 << false;
    QTest::newRow("data profiles, nothing selected") << cmd::kDataProfiles << false << 0 << true;
    QTest::newRow("data profiles, no tree") << cmd::kDataProfiles << false << -1 << true;
    QTest::newRow("translate, nothing selected") << cmd::kTranslate << true << 0 << false;
    QTest::newRow("translate, analyzer root") << cmd::kTranslate << true << 1 << false;
    QTest::newRow("translate, memory file") << cmd::kTranslate << true << 11 << true;
    QTest::newRow("translate, computer file") << cmd::kTranslate << false << 13 << true;
    QTest::newRow("translate, record") << cmd::kTranslate << false << 23 << false;
    QTest::newRow("translate, no tree") << cmd::kTranslate << false << -1 << false;
    QTest::newRow("create, analyzer root") << cmd::kCreate << true << 1 << true;
    QTest::newRow("create, computer root") << cmd::kCreate << true << 3 << false;
    QTest::newRow("delete, memory file") << cmd::kDelete << true << 11 << true;
    QTest::newRow("delete, computer file") << cmd::kDelete << true << 13 << true;
    QTest::newRow("delete, folder") << cmd::kDelete << true << 41 << false;
    QTest::newRow("copy to computer, memory file") << cmd::kCopyToComputer << true << 11 << true;
    QTest::newRow("copy to computer, computer file") << cmd::kCopyToComputer << true << 13 << false;
    QTest::newRow("copy to diskette, memory file") << cmd::kCopyToDiskette << true << 11 << true;
    QTest::newRow("copy to diskette, analyzer root") << cmd::kCopyToDiskette << true << 1 << false;
    QTest::newRow("print never") << cmd::kPrint << true << 11 << false;
    QTest::newRow("print preview never") << cmd::kPrintPreview << false << 0 << false;
    QTest::newRow("undo never") << cmd::kEditUndo << false << 0 << false;
    QTest::newRow("cut never") << cmd::kEditCut << false << 0 << false;
    QTest::newRow("copy never") << cmd::kEditCopy << false << 0 << false;
    QTest::newRow("paste never") << cmd::kEditPaste << false << 0 << false;
    QTest::newRow("about always") << cmd::kAbout << true << 0 << true;
    QTest::newRow("exit always") << cmd::kExit << false << 0 << true;
    QTest::newRow("print setup always") << cmd::kPrintSetup << false << 0 << true;
    QTest::newRow("unknown id") << 12345 << true << 11 << false;
  }

  void enablingFollowsConnectionAndSelection() {
    QFETCH(int, id);
    QFETCH(bool, connected);
    QFETCH(int, kind);
    QFETCH(bool, enabled);
    cmd::CommandState state;
    state.connected = connected;
    if (kind >= 0) state.selectedKind = kind;
    QCOMPARE(cmd::IsEnabled(id, state), enabled);
  }

  void recordAndPlaybackExcludeEachOther_data() {
    QTest::addColumn<bool>("waveOutput");
    QTest::addColumn<bool>("recording");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("recordEnabled");
    QTest::addColumn<bool>("playbackEnabled");
    QTest::newRow("no wave output") << false << false << false << false << false;
    QTest::newRow("idle") << true << false << false << true << true;
    QTest::newRow("recording") << true << true << false << true << false;
    QTest::newRow("playing") << true << false << true << false << true;
  }

  void recordAndPlaybackExcludeEachOther() {
    QFETCH(bool, waveOutput);
    QFETCH(bool, recording);
    QFETCH(bool, playing);
    QFETCH(bool, recordEnabled);
    QFETCH(bool, playbackEnabled);
    cmd::CommandState state;
    state.waveOutputExists = waveOutput;
    state.recording = recording;
    state.playing = playing;
    QCOMPARE(cmd::IsEnabled(cmd::kRecord, state), recordEnabled);
    QCOMPARE(cmd::IsEnabled(cmd::kPlayback, state), playbackEnabled);
    QCOMPARE(cmd::IsChecked(cmd::kRecord, state), recording);
    QCOMPARE(cmd::IsChecked(cmd::kPlayback, state), playing);
  }

  void promptsSplitIntoStatusAndToolTip() {
    QCOMPARE(strings::StatusPrompt(cmd::kTranslate), QStringLiteral("Invoke the Vexlor-Quand file translator."));
    QCOMPARE(strings::ToolTipPrompt(cmd::kTranslate), QStringLiteral("File Translator"));
    QCOMPARE(strings::ToolTipPrompt(cmd::kSendCommand), QStringLiteral("Send Command to Instrument"));
    QCOMPARE(strings::StatusPrompt(cmd::kCopyToDiskette), QStringLiteral("Copy this file to the analyzer's floppy diskette"));
    QVERIFY(strings::StatusPrompt(cmd::kInstrumentManager).isEmpty());
    QVERIFY(strings::StatusPrompt(cmd::kVirtualRta).isEmpty());
  }
};

QTEST_GUILESS_MAIN(CommandTableTest)
#include "CommandTableTest.moc"
