// Refusals 202 and 203 are driven end to end in InstrumentManagerSessionTest.
#include <QCalendarWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/UserPrompts.h"
#include "manager/CMacroSchedulerDlg.h"
#include "manager/CMgrMacrosDlg.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/ModalDriver.h"

class CMgrMacrosDlgTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  static QDateTime April15() { return QDateTime(QDate(2026, 4, 15), QTime(9, 0, 0)); }
  static QPushButton* Button(CMgrMacrosDlg& page, const char* name) {
    return page.findChild<QPushButton*>(QLatin1String(name));
  }
  static QTreeWidget* List(CMgrMacrosDlg& page) { return page.findChild<QTreeWidget*>(QStringLiteral("macroList")); }
  // Macros 1, 2 and 4 defined, macro 4 running, macro 2 due on the 5th at 12:30.
  void Open(CMgrMacrosDlg& page) {
    page.SetClock(April15);
    page.OnSetActive();
  }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    prompts::ClearLog();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
    script.instrument.macros = MacroStruct{{0, 1, 1, 0, 1, 0, 0, 0, 0, 0}, 4, talvinet::kNoMacro, 2, {5, 12, 30, 0}};
  }

  void listsDefinedMacrosAscendingWithTheirSchedule() {
    FakeAnalyzerLink link(script, log);
    CMgrMacrosDlg page(link);
    Open(page);
    QStringList rows;
    for (int i = 0; i < List(page)->topLevelItemCount(); ++i)
      rows << List(page)->topLevelItem(i)->text(0) + QLatin1Char('|') + List(page)->topLevelItem(i)->text(1);
    QCOMPARE(rows, (QStringList{"Macro 1|", "Macro 2|05 Apr 26  12:30:00", "Macro 4|"}));
  }

  void executeRefusalsShowTheirTexts_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("201") << 201 << "An attempt was made to launch a macro with an invalid ID.";
    QTest::newRow("time-out") << -10 << "The macro could not be executed.";
  }
  void executeRefusalsShowTheirTexts() {
    script.instrument.macros.running = talvinet::kNoMacro;
    QFETCH(int, status);
    script.instrument.errorNumber = status;
    script.failingStep = QStringLiteral("ExecuteMacro");
    FakeAnalyzerLink link(script, log);
    CMgrMacrosDlg page(link);
    Open(page);
    List(page)->topLevelItem(0)->setSelected(true);
    Button(page, "executeButton")->click();
    QTEST(prompts::ShownTexts().value(0), "message");
    QVERIFY(List(page)->selectedItems().isEmpty());
  }

  void clearCancelsTheSchedule() {
    FakeAnalyzerLink link(script, log);
    CMgrMacrosDlg page(link);
    Open(page);
    List(page)->topLevelItem(1)->setSelected(true);
    OnNextModal([](QDialog* scheduler) { scheduler->findChild<QPushButton*>(QStringLiteral("clearButton"))->click(); });
    Button(page, "scheduleButton")->click();
    QVERIFY(log.calls.contains(QStringLiteral("CancelScheduledMacro 1")));
  }

  void calendarHoldsOnlyThisMonth_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("lastDay");
    QTest::newRow("30-day month") << QDate(2026, 4, 15) << 30;
    QTest::newRow("leap February") << QDate(2028, 2, 3) << 29;
    QTest::newRow("2100 is no leap year") << QDate(2100, 2, 3) << 28;
  }
  void calendarHoldsOnlyThisMonth() {
    QFETCH(QDate, today);
    CMacroSchedulerDlg scheduler(QDateTime(today, QTime(8, 0, 0)));
    auto* calendar = scheduler.findChild<QCalendarWidget*>(QStringLiteral("calendar"));
    QCOMPARE(calendar->minimumDate(), QDate(today.year(), today.month(), 1));
    QTEST(calendar->maximumDate().day(), "lastDay");
    calendar->setSelectedDate(calendar->maximumDate().addDays(1));
    QCOMPARE(calendar->selectedDate().month(), today.month());
  }
};

QTEST_MAIN(CMgrMacrosDlgTest)
#include "CMgrMacrosDlgTest.moc"
