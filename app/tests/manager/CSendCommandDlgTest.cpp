#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/UserPrompts.h"
#include "manager/CSendCommandDlg.h"
#include "manager/SendCommandRules.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"

class CSendCommandDlgTest : public QObject {
  Q_OBJECT

 private:
  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  QStringList Rows(CSendCommandDlg& dialog) {
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("resultList"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      rows << list->topLevelItem(i)->text(0) + QLatin1Char('|') + list->topLevelItem(i)->text(1);
    return rows;
  }

  void Send(CSendCommandDlg& dialog, const QString& typed) {
    dialog.findChild<QLineEdit*>(QStringLiteral("commandText"))->setText(typed);
    dialog.findChild<QPushButton*>(QStringLiteral("sendButton"))->click();
  }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
  }

  void opensWithItsColumns() {
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Send Command"));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("resultList"));
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Command"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Result"));
    QCOMPARE(list->columnWidth(0), 120);
    QCOMPARE(list->columnWidth(1), 3000);
    QVERIFY(!list->header()->sectionsClickable());
  }

  void queryRepliesFillOneRowPerValue() {
    script.reply = "12.5 dB\tB\tC\t";
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, QStringLiteral("qhs"));
    QCOMPARE(log.sent, QList<QByteArray>{"QHS\r\n"});
    QCOMPARE(Rows(dialog), (QStringList{"QHS|12.5 dB", "|B", "|C"}));
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("commandText"));
    QCOMPARE(edit->selectedText(), QStringLiteral("QHS"));
  }

  void commandThatSucceedsLeavesTheResultEmpty() {
    script.reply = "ignored\t";
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, QStringLiteral("RN"));
    QCOMPARE(Rows(dialog), QStringList{"RN|"});
  }

  void failedExchangeShowsError() {
    script.commandSucceeds = false;
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, QStringLiteral("QHS"));
    QCOMPARE(Rows(dialog), QStringList{"QHS|Error"});
  }

  void blockedCommandsAreNotSent_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("QRD with a number") << "QRD 3";
    QTest::newRow("QQQ inside a word") << "XQQQY";
    QTest::newRow("lower case qbb") << "qbb";
    QTest::newRow("QCQ") << "QCQ";
    QTest::newRow("QSB") << "QSB";
    QTest::newRow("QBD") << "QBD";
    QTest::newRow("QCD") << "QCD";
  }

  void blockedCommandsAreNotSent() {
    QFETCH(QString, typed);
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, typed);
    QVERIFY(log.sent.isEmpty());
    QVERIFY(Rows(dialog).isEmpty());
    QCOMPARE(prompts::ShownTexts(),
             QStringList{QStringLiteral("The following commands aren't supported by the Send Generic Command "
                                        "feature:\nQBB, QBD, QCD, QCQ, QSB, QQQ[xx]")});
  }

  void longTextIsCutTo127Characters() {
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, QString(200, QLatin1Char('a')));
    QCOMPARE(log.sent.size(), 1);
    QCOMPARE(log.sent.front(), QByteArray(127, 'A') + "\r\n");
  }

  void doubleClickCopiesTheCommandBack() {
    FakeAnalyzerLink link(script, log);
    CSendCommandDlg dialog(link);
    Send(dialog, QStringLiteral("RN"));
    Send(dialog, QStringLiteral("QHS"));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("resultList"));
    emit list->itemDoubleClicked(list->topLevelItem(0), 0);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("commandText"));
    QCOMPARE(edit->text(), QStringLiteral("RN"));
    QCOMPARE(edit->selectedText(), QStringLiteral("RN"));
  }

  void resultRowsDropOnlyTheTrailingTab() {
    QCOMPARE(ResultRows(""), QStringList{""});
    QCOMPARE(ResultRows("one\t"), QStringList{"one"});
    QCOMPARE(ResultRows("a\tb"), (QStringList{"a", "b"}));
  }
};

QTEST_MAIN(CSendCommandDlgTest)
#include "CSendCommandDlgTest.moc"
