// Verdicts and the synchronised time text are driven end to end in
// InstrumentManagerSessionTest; here what the virtual analyzer cannot show.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/UserPrompts.h"
#include "manager/CStatusDlg.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"

class CStatusDlgTest : public QObject {
  Q_OBJECT

  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  static QString Field(CStatusDlg& page, const char* name) { return page.findChild<QLabel*>(QLatin1String(name))->text(); }

 private slots:
  void init() {
    ResetAppTestEnvironment();
    prompts::ClearLog();
    script = FakeAnalyzerScript{};
    log = FakeAnalyzerLog{};
  }

  void aDeodarIsNotAskedForItsBattery() {
    script.deodar = true;
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.OnSetActive();
    QCOMPARE(Field(page, "battery"), QStringLiteral("N/A"));
    QCOMPARE(log.calls, (QStringList{"GetMemoryFree 1", "GetMemoryUsed 1"}));
    QCOMPARE(Field(page, "memoryUsed"), QStringLiteral("65536 bytes"));
  }

  void clocksFillAtTheFirstTickAndStopWhenHidden() {
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.SetClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9)); });
    page.show();
    page.OnSetActive();
    QCOMPARE(Field(page, "instrumentDate") + Field(page, "computerDate"), QString());
    QTRY_COMPARE_WITH_TIMEOUT(Field(page, "computerDate"), QStringLiteral("07 MAR 26 14:05:09"), 3000);
    QCOMPARE(Field(page, "instrumentDate"), QStringLiteral("07 MAR 26 14:05:00"));
    page.hide();
    QVERIFY(!page.findChild<QTimer*>(QStringLiteral("clockTimer"))->isActive());
  }

  void aFailedSynchronisationIsReported() {
    script.failingStep = QStringLiteral("SetDateAndTime");
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.findChild<QPushButton*>(QStringLiteral("synchronizeButton"))->click();
    QCOMPARE(prompts::ShownTexts(), QStringList{QStringLiteral("Couldn't synchronize the time.")});
  }
};

QTEST_MAIN(CStatusDlgTest)
#include "CStatusDlgTest.moc"
