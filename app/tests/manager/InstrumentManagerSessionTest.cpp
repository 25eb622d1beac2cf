// The Instrument Manager's pages against the virtual analyzer over a
// pseudo-terminal, with the real protocol library.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "common/UserPrompts.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "manager/CMgrMacrosDlg.h"
#include "manager/CMgrSetupsDlg.h"
#include "manager/CStatusDlg.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/LineFaults.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/SimulatorConnect.h"

namespace {

// Connects `link` to the analyzer served on `analyzer` as a 19200-baud COM2.
bool Connect(simanalyzer::PtyAnalyzer& analyzer, AnalyzerLink& link) {
  std::string problem;
  if (!analyzer.Start(problem)) return false;
  return OpenSimulatorLink(link, analyzer.DevicePath());
}

QPushButton* Button(QWidget& page, const char* name) { return page.findChild<QPushButton*>(QLatin1String(name)); }

void Select(QWidget& page, const char* list, int row) {
  auto* items = page.findChild<QTreeWidget*>(QLatin1String(list));
  items->setCurrentItem(items->topLevelItem(row));
}

// The names of the enabled ones among the buttons "<name>Button".
QString Enabled(QWidget& page, std::initializer_list<const char*> names) {
  QStringList enabled;
  for (const char* name : names)
    if (Button(page, (std::string(name) + "Button").c_str())->isEnabled()) enabled << QLatin1String(name);
  return enabled.join(QLatin1Char(' '));
}

// `file` with `text` written over it from `offset`.
void Patch(const QString& from, const QString& to, int offset, const QByteArray& text, int keep = -1) {
  QFile in(from);
  QVERIFY(in.open(QIODevice::ReadOnly));
  QByteArray bytes = in.readAll();
  bytes.replace(offset, text.size(), text);
  QFile out(to);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(keep < 0 ? bytes : bytes.left(keep));
}

}  // namespace

class InstrumentManagerSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ResetAppTestEnvironment();
    prompts::ClearLog();
  }

  void statusShowsBatteryAndSynchronisedClock_data() {
    QTest::addColumn<bool>("deodar");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ok") << false << "6.9" << "6.9 volts -- OK";
    QTest::newRow("low") << false << "6.5" << "6.5 volts -- LOW";
    QTest::newRow("charge") << false << "6.0" << "6.0 volts -- CHARGE";
    QTest::newRow("exactly 6.8") << false << "6.8" << "6.8 volts -- OK";
    QTest::newRow("exactly 6.2") << false << "6.2" << "6.2 volts -- CHARGE";
    QTest::newRow("deodar") << true << "6.9" << "N/A";
  }
  void statusShowsBatteryAndSynchronisedClock() {
    QFETCH(bool, deodar);
    QFETCH(QString, volts);
    simanalyzer::PtyAnalyzer analyzer{
        simanalyzer::VirtualAnalyzer(deodar ? simanalyzer::Model::Deodar : simanalyzer::Model::Cedar)};
    analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& a) { a.State().settings.batteryVolts = volts.toStdString(); });
    TalvinetLink link;
    if (!Connect(analyzer, link)) QSKIP("no pseudo-terminal");
    CStatusDlg page(link);
    page.SetClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 0)); });
    page.OnSetActive();
    QTEST(page.findChild<QLabel*>(QStringLiteral("battery"))->text(), "shown");
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("instrumentDate"))->text().isEmpty());
    Button(page, "synchronizeButton")->click();
    page.RefreshClocks();
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("instrumentDate"))->text().startsWith(QLatin1String("07 MAR 26 14:0")));
    QCOMPARE(prompts::ShownTexts(), QStringList());
  }

  // A read that fails empties its field; the page says once, in itself, that
  // the analyzer is silent and polls seldom, and follows it again when it answers.
  void statusPageFollowsTheLine_data() { AddLineFaultRows(); }
  void statusPageFollowsTheLine() {
    QFETCH(LineFault, fault);
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(OpenSimulatorLink(*app.m_comm, analyzer.DevicePath()));
    CStatusDlg page(*app.m_comm);
    page.show();
    page.OnSetActive();
    const auto field = [&page](const char* name) { return page.findChild<QLabel*>(QLatin1String(name))->text(); };
    const auto state = [&] {
      return QStringLiteral("%1|%2|%3")
          .arg(page.findChild<QLabel*>(QStringLiteral("silenceNotice"))->isVisible())
          .arg(page.findChild<QTimer*>(QStringLiteral("clockTimer"))->interval())
          .arg(field("memoryFree").isEmpty());
    };
    QCOMPARE(state(), QStringLiteral("0|2000|0"));

    Strike(analyzer, fault, "QCK");
    page.RefreshClocks();
    QCOMPARE(field("instrumentDate"), QString());
    page.OnSetActive();
    QCOMPARE(state(), QStringLiteral("1|%1|1").arg(kSilentRetryMilliseconds));
    page.findChild<QPushButton*>(QStringLiteral("synchronizeButton"))->click();
    QCOMPARE(prompts::ShownTexts(), QStringList{"Couldn't synchronize the time.\n" + NotAnsweringCause()});
    if (fault != LineFault::kSilenceThatEnds) return;
    EndSilence(analyzer);
    page.RefreshClocks();
    QVERIFY(!field("instrumentDate").isEmpty());
    page.OnSetActive();
    QCOMPARE(state(), QStringLiteral("0|2000|0"));
  }

  void setupFilesRoundTripAndRenaming() {
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    TalvinetLink link;
    if (!Connect(analyzer, link)) QSKIP("no pseudo-terminal");
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("octave.set"));
    const QString other = folder.filePath(QStringLiteral("other.set"));
    CMgrSetupsDlg page(link);
    page.OnSetActive();
    // Setup 0 holds the factory settings; 1 and 2 are in use, 3 is not.
    for (const auto& [setup, enabled] : {std::pair{0, "activate setBoot"},
                                         {1, "activate setBoot saveFile store loadFile editName"},
                                         {3, "store loadFile editName"}}) {
      Select(page, "setupList", setup);
      QCOMPARE(Enabled(page, {"activate", "setBoot", "saveFile", "store", "loadFile", "editName"}), QString(enabled));
    }
    Select(page, "setupList", 1);
    prompts::QueueFileName(saved);
    Button(page, "saveFileButton")->click();

    // Another analyzer of the same kind: other system id and serial number.
    Patch(saved, other, 8, "OTHERSYS");
    Patch(other, other, 91, "09999999999");
    const QString incompatible = folder.filePath(QStringLiteral("incompatible.set"));
    Patch(saved, incompatible, 65, "000000000000000000000000");
    const QString truncated = folder.filePath(QStringLiteral("truncated.set"));
    Patch(saved, truncated, 0, {}, 120);
    for (const QString& path : {other, incompatible, truncated}) {
      Select(page, "setupList", 3);
      prompts::QueueFileName(path);
      Button(page, "loadFileButton")->click();
    }
    Select(page, "setupList", 4);
    OnNextModal([](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("setupName"))->setText(QStringLiteral("ABCDEFGHI"));
      dialog->accept();
    });
    Button(page, "editNameButton")->click();

    QCOMPARE(prompts::ShownTexts(), (QStringList{"The setup information was successfully downloaded.",
                                                 "The setup file was successfully uploaded.",
                                                 "The setup file is incompatible with your analyzer.",
                                                 "Couldn't upload the setup file to the analyzer."}));
    analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& a) {
      const simanalyzer::Setups& setups = a.State().settings.setups;
      QVERIFY(setups.stored[3].used);
      QCOMPARE(setups.stored[3].values, setups.stored[1].values);
      QCOMPARE(setups.stored[4].name, std::string("ABCDEFG"));
      QCOMPARE(setups.boot, 0);
    });
    QVERIFY(!ModalDriverTimedOut());
  }

  // A setup command is done only once the analyzer confirms it. A fault's
  // mnemonic "-" is silence from the click on.
  void setupCommandsSayWhatTheAnalyzerAnswered_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("shown");
    const QString notAnswering = QLatin1Char('\n') + NotAnsweringCause();
    QTest::newRow("store") << "store" << "" << "The setup configuration was successfully stored.";
    QTest::newRow("store, silent") << "store" << "-" << "Couldn't store this setup configuration." + notAnswering;
    QTest::newRow("store, error 5") << "store" << "SES"
                                    << "Couldn't store this setup configuration.\nThe analyzer answered with error 5.";
    QTest::newRow("activate, error 5") << "activate" << "SER"
                                       << "The selected setup configuration couldn't be activated.\n"
                                          "The analyzer answered with error 5.";
    QTest::newRow("set boot") << "setBoot" << "" << "The boot configuration was successfully set.";
    QTest::newRow("set boot, error 5") << "setBoot" << "SE"
                                       << "Couldn't set the boot configuration.\nThe analyzer answered with error 5.";
  }
  void setupCommandsSayWhatTheAnalyzerAnswered() {
    QFETCH(QString, button);
    QFETCH(QString, fault);
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    // The application names silence as the cause of what fails.
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    AnalyzerLink& link = *app.m_comm;
    if (!Connect(analyzer, link)) QSKIP("no pseudo-terminal");
    HealthOf(link)->Opened(QStringLiteral("Cedar"), QString::fromStdString(analyzer.DevicePath()));
    CMgrSetupsDlg page(link);
    page.OnSetActive();
    Select(page, "setupList", 1);
    analyzer.WithAnalyzer([&](simanalyzer::VirtualAnalyzer& a) {
      if (fault == QLatin1String("-")) a.Misbehaviour().silentAfterBytes = 0;
      else a.Misbehaviour().failCommand = fault.toStdString();
      a.Misbehaviour().failCode = 5;
    });
    Button(page, (button + QLatin1String("Button")).toLatin1().constData())->click();
    QTEST(prompts::ShownTexts().value(0), "shown");
  }

  void macroButtonsAndRefusals_data() {
    QTest::addColumn<bool>("recording");
    QTest::addColumn<QString>("message");
    QTest::newRow("202") << false << "An attempt was made to launch a macro with another already executing.";
    QTest::newRow("203") << true << "An attempt was made to launch a macro while another was being recorded.";
  }
  void macroButtonsAndRefusals() {
    QFETCH(bool, recording);
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& a) {
      a.State().settings.macros.state = {0, 0, 1, 0, 1, 0, 0, 0, 0, 0};
      a.State().settings.macros.running = 4;
    });
    TalvinetLink link;
    if (!Connect(analyzer, link)) QSKIP("no pseudo-terminal");
    CMgrMacrosDlg page(link);
    page.OnSetActive();
    Select(page, "macroList", 0);
    QCOMPARE(Enabled(page, {"execute", "abort", "schedule"}), QStringLiteral("schedule"));

    // The analyzer changes behind the page's back: the library's own check refuses.
    analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& a) { a.State().settings.macros.running.reset(); });
    Button(page, "refreshButton")->click();
    Select(page, "macroList", 0);
    analyzer.WithAnalyzer([recording](simanalyzer::VirtualAnalyzer& a) {
      if (recording) a.State().settings.macros.recording = 4;
      else a.State().settings.macros.running = 4;
    });
    Button(page, "executeButton")->click();
    QTEST(prompts::ShownTexts().value(0), "message");
  }
};

QTEST_MAIN(InstrumentManagerSessionTest)
#include "InstrumentManagerSessionTest.moc"
