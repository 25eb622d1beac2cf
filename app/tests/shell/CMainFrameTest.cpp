#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "browser/CFileTree.h"
#include "commands/CommandIds.h"
#include "common/UserPrompts.h"
#include "shell/CMainFrame.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/RunningApp.h"

class CMainFrameTest : public QObject, private RunningApp {
  Q_OBJECT

 private:
  bool Enabled(int id) { return Frame().Action(id)->isEnabled(); }

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { QVERIFY(Stop()); }

  void menusCarryTheirTextsInOrder() {
    QStringList texts;
    for (QAction* menu : Frame().menuBar()->actions()) {
      QStringList items;
      for (QAction* item : menu->menu()->actions()) items << (item->isSeparator() ? QStringLiteral("-") : item->text());
      texts << menu->text() + QLatin1Char(':') + items.join(QLatin1Char('|'));
    }
    QCOMPARE(texts, (QStringList{
                        "&File:&Translate...|-|&Create...|&Delete|-|C&opy to Computer...|Copy to Dis&kette|Data "
                        "&Profiles...|-|&Print...\tCtrl+P|Print Pre&view|P&rint Setup...|-|E&xit",
                        "&Edit:&Undo\tCtrl+Z|-|Cu&t\tCtrl+X|&Copy\tCtrl+C|&Paste\tCtrl+V",
                        "&View:&Toolbar|&Status Bar|S&plit",
                        "Instrument:&Connect|&Disconnect|-|&Instrument Manager|-|&Send Command|&Virtual RTA",
                        "Audio:&Record|&Playback",
                        "&Help:&About Verdalon...",
                    }));
  }

  void toolbarButtonsInOrderWithTooltips() {
    auto* toolbar = Frame().findChild<QToolBar*>(QStringLiteral("toolbar"));
    QStringList buttons;
    for (QAction* action : toolbar->actions())
      buttons << (action->isSeparator() ? QStringLiteral("-") : QString::number(action->data().toInt()));
    QCOMPARE(buttons, (QStringList{"22889", "22890", "-", "22813", "-", "23900", "23901", "23902", "-", "22805",
                                   "22806", "-", "57607", "-", "57664"}));
    QCOMPARE(Frame().Action(cmd::kConnect)->toolTip(), QStringLiteral("Connect"));
    QCOMPARE(Frame().Action(cmd::kDataProfiles)->statusTip(), QStringLiteral("Configure the data for translation"));
    QCOMPARE(Frame().Action(cmd::kSendCommand)->toolTip(), QStringLiteral("Send Command to Instrument"));
  }

  void accelerators_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("new") << cmd::kFileNew << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("undo alt") << cmd::kEditUndo << QKeySequence(QStringLiteral("Alt+Backspace"));
    QTest::newRow("cut shift") << cmd::kEditCut << QKeySequence(QStringLiteral("Shift+Del"));
    QTest::newRow("copy insert") << cmd::kEditCopy << QKeySequence(QStringLiteral("Ctrl+Ins"));
    QTest::newRow("paste insert") << cmd::kEditPaste << QKeySequence(QStringLiteral("Shift+Ins"));
    QTest::newRow("next pane") << cmd::kNextPane << QKeySequence(QStringLiteral("F6"));
    QTest::newRow("previous pane") << cmd::kPreviousPane << QKeySequence(QStringLiteral("Shift+F6"));
    QTest::newRow("print") << cmd::kPrint << QKeySequence(QStringLiteral("Ctrl+P"));
  }

  void accelerators() {
    QFETCH(int, id);
    QFETCH(QKeySequence, keys);
    QVERIFY(Frame().Action(id)->shortcuts().contains(keys));
  }

  void frameShowsTitleReadyAndTwoPanes() {
    QCOMPARE(Frame().windowTitle(), QStringLiteral("Verdalon"));
    Frame().setWindowTitle(QStringLiteral("Untitled - Verdalon"));
    QCOMPARE(Frame().windowTitle(), QStringLiteral("Verdalon"));
    QCOMPARE(Frame().findChild<QLabel*>(QStringLiteral("idleStatusText"))->text(), QStringLiteral("Ready"));
    QSplitter* splitter = Frame().Splitter();
    QCOMPARE(splitter->count(), 2);
    QCOMPARE(splitter->widget(0), static_cast<QWidget*>(Frame().FileTree()));
  }

  void firstStartOpens640By480() {
    QCOMPARE(Frame().geometry().size(), QSize(640, 480));
  }

  void disconnectedStateDisablesAnalyzerCommands() {
    for (int id : {cmd::kDisconnect, cmd::kInstrumentManager, cmd::kSendCommand, cmd::kVirtualRta, cmd::kTranslate,
                   cmd::kCreate, cmd::kDelete, cmd::kCopyToComputer, cmd::kCopyToDiskette, cmd::kPrint,
                   cmd::kPrintPreview})
      QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
    for (int id : {cmd::kConnect, cmd::kDataProfiles, cmd::kAbout, cmd::kExit}) QVERIFY(Enabled(id));
  }

  void selectionKindDrivesTheFileCommands() {
    CFileTree* tree = Frame().FileTree();
    tree->ShowAnalyzerRoot();
    tree->setCurrentItem(tree->AnalyzerRoot());
    QVERIFY(Enabled(cmd::kCreate));
    QVERIFY(!Enabled(cmd::kTranslate) && !Enabled(cmd::kDelete) && !Enabled(cmd::kCopyToComputer));
    tree->setCurrentItem(tree->ComputerRoot());
    QVERIFY(!Enabled(cmd::kCreate));
    tree->setCurrentItem(tree->AnalyzerRoot());
    tree->HideAnalyzerRoot();
    QCOMPARE(tree->GetSelectedKind(), Frame().FileTree()->currentItem() ? 3 : 0);
    QVERIFY(!Enabled(cmd::kCreate));
  }

  void viewCommandsToggleTheBars() {
    auto* toolbar = Frame().findChild<QToolBar*>(QStringLiteral("toolbar"));
    Frame().OnCommand(cmd::kViewToolbar);
    QVERIFY(toolbar->isHidden());
    QVERIFY(!Frame().Action(cmd::kViewToolbar)->isChecked());
    Frame().OnCommand(cmd::kViewToolbar);
    QVERIFY(!toolbar->isHidden());
    Frame().OnCommand(cmd::kViewStatusBar);
    QVERIFY(Frame().statusBar()->isHidden());
  }

  void instrumentManagerShowsOnlyClose() {
    app->m_connected = 1;
    Frame().UpdateCommandUI();
    QStringList shown;
    QString caption;
    OnNextModal([&](QDialog* sheet) {
      caption = sheet->windowTitle();
      for (QPushButton* button : sheet->findChild<QWidget*>(QStringLiteral("sheetButtons"))->findChildren<QPushButton*>())
        if (button->isVisible()) shown << button->text();
      sheet->accept();
    });
    Frame().OnCommand(cmd::kInstrumentManager);
    QCOMPARE(caption, QStringLiteral("Instrument Manager"));
    QCOMPARE(shown, QStringList{QStringLiteral("&Close")});
  }

  // The Control page says in the status bar what it did; Reset asks first, and
  // Enter answers No. A code of -1: the error-code line never came.
  void controlPageReportsInTheStatusBar_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("status");
    QTest::newRow("run") << "runButton" << 0 << "Measurement started.";
    QTest::newRow("store refused") << "storeButton" << 9
                                   << "Couldn't store the measurement. The analyzer answered with error 9.";
    QTest::newRow("stop unconfirmed") << "stopButton" << -1 << "Couldn't stop the measurement.";
    QTest::newRow("reset, Enter") << "resetButton" << 0 << "";
  }
  void controlPageReportsInTheStatusBar() {
    QFETCH(QString, button);
    QFETCH(int, code);
    script.commandOutcome = {code < 0 ? 0 : 1, qMax(code, 0)};
    app->m_connected = 1;
    Frame().UpdateCommandUI();
    const bool reset = button == QLatin1String("resetButton");
    prompts::SetScripted(false);
    QString question;
    OnNextModal([&](QDialog* sheet) {
      if (reset) {
        OnNextModal([&](QDialog* box) {
          auto* message = qobject_cast<QMessageBox*>(box);
          question = message->text();
          message->defaultButton()->click();
        });
      }
      sheet->findChild<QWidget*>(QStringLiteral("controlPage"))->findChild<QPushButton*>(button)->click();
      sheet->accept();
    });
    Frame().OnCommand(cmd::kInstrumentManager);
    prompts::SetScripted(true);
    QTEST(Frame().statusBar()->currentMessage(), "status");
    QCOMPARE(question, reset ? QStringLiteral("Reset clears all measured data on the analyzer. Reset it now?") : "");
    QVERIFY(!log.calls.contains(QStringLiteral("ResetData 0 1")));
    QVERIFY(!ModalDriverTimedOut());
  }

  void sendCommandDoesNothingWhenDisconnected() {
    Frame().OnCommand(cmd::kSendCommand);
    QVERIFY(log.sent.isEmpty());
  }

  // The version is the project's; the close button ends the box.
  void aboutBoxHasItsCaptionVersionAndCloseButton() {
    QString caption;
    QString version;
    bool closed = false;
    OnNextModal([&](QDialog* about) {
      caption = about->windowTitle();
      version = about->findChild<QLabel*>("aboutVersion")->text();
      about->findChild<QPushButton*>("aboutClose")->click();
      closed = !about->isVisible();
    });
    Frame().OnCommand(cmd::kAbout);
    QCOMPARE(caption, QStringLiteral("About Verdalon"));
    QCOMPARE(version, QStringLiteral("Verdalon version " VERDALON_VERSION));
    QVERIFY(closed);
  }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
