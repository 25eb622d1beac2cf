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

  void batteryVerdict_data() {
    QTest::addColumn<QString>("volts");
    QTest::addColumn<bool>("deodar");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ok") << "6.9" << false << "6.9 volts -- OK";
    QTest::newRow("low") << "6.5" << false << "6.5 volts -- LOW";
    QTest::newRow("charge") << "6.0" << false << "6.0 volts -- CHARGE";
    QTest::newRow("exactly 6.8 is above it in single precision") << "6.8" << false << "6.8 volts -- OK";
    QTest::newRow("exactly 6.2 is not above it") << "6.2" << false << "6.2 volts -- CHARGE";
    QTest::newRow("deodar has none") << "7.2" << true << "N/A";
  }
  void batteryVerdict() {
    QFETCH(QString, volts);
    QFETCH(bool, deodar);
    script.instrument.battery = volts;
    script.instrument.deodar = deodar;
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.OnSetActive();
    QTEST(Field(page, "battery"), "shown");
    QCOMPARE(log.calls.contains(QStringLiteral("GetBatteryVoltage 1")), !deodar);
    QCOMPARE(Field(page, "memoryFree"), QStringLiteral("2031616 bytes"));
  }

  void clocksFillAtTheFirstTickOnly() {
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.SetClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9)); });
    page.show();
    page.OnSetActive();
    QCOMPARE(Field(page, "instrumentDate"), QString());
    QCOMPARE(Field(page, "computerDate"), QString());
    QTRY_COMPARE_WITH_TIMEOUT(Field(page, "computerDate"), QStringLiteral("07 MAR 26 14:05:09"), 3000);
    QCOMPARE(Field(page, "instrumentDate"), QStringLiteral("07 MAR 26 14:05:00"));
    page.hide();
    QVERIFY(!page.findChild<QTimer*>(QStringLiteral("clockTimer"))->isActive());
  }

  void synchronizeSendsTheComputersTime() {
    FakeAnalyzerLink link(script, log);
    CStatusDlg page(link);
    page.SetClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 0)); });
    page.findChild<QPushButton*>(QStringLiteral("synchronizeButton"))->click();
    QCOMPARE(log.calls, QStringList{QStringLiteral("SetDateAndTime 1 07/03/26 14:05:00")});
    QVERIFY(prompts::ShownTexts().isEmpty());
    script.failingStep = QStringLiteral("SetDateAndTime");
    page.findChild<QPushButton*>(QStringLiteral("synchronizeButton"))->click();
    QCOMPARE(prompts::ShownTexts(), QStringList{QStringLiteral("Couldn't synchronize the time.")});
  }
};

QTEST_MAIN(CStatusDlgTest)
#include "CStatusDlgTest.moc"
