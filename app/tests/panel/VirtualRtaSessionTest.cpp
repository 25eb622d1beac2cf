// The virtual panel against the virtual analyzer over a pseudo-terminal, with
// the real protocol library.
#include <QTest>
#include <array>

#include <QLabel>

#include "common/UserPrompts.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "panel/CPanelButton.h"
#include "panel/CVirtualRtaDlg.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "simanalyzer/ScreenLayout.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/LineFaults.h"
#include "tests/support/SimulatorConnect.h"

class VirtualRtaSessionTest : public QObject {
  Q_OBJECT

  static QByteArray Bytes(const unsigned char* screen) {
    return QByteArray(reinterpret_cast<const char*>(screen), talvinet::kScreenBufferSize);
  }

  static QByteArray DrawnScreen(simanalyzer::PtyAnalyzer& analyzer) {
    QByteArray drawn;
    analyzer.WithAnalyzer([&drawn](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
      drawn = Bytes(simanalyzer::DrawScreen(virtualAnalyzer.State()).Bytes().data());
    });
    return drawn;
  }

 private slots:
  void showsPressesAndRefreshes() {
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    // A still clock, so that only the key press changes the screen.
    analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
      virtualAnalyzer.State().clock = [] { return std::time_t{1700000000}; };
    });
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    TalvinetLink link;
    SerialLinkRequest request;
    request.port = 2;
    request.deviceFile = QString::fromStdString(analyzer.DevicePath());
    QVERIFY(link.OpenConnection(request));
    QVERIFY(link.InitHardwareInfo());
    settings::Store store;
    store.Write(panel::kKeypressUpdate, 1);
    store.Write(panel::kDisplayChanges, 1);

    CVirtualRtaDlg panel(link);
    const QByteArray opened = Bytes(panel.ScreenBuffer());
    QCOMPARE(opened, DrawnScreen(analyzer));
    QCOMPARE(panel.Button(1147)->Label(), QStringLiteral("Reset\nR/S"));

    panel.Button(1147)->click();  // R/S starts the measurement
    const QByteArray pressed = Bytes(panel.ScreenBuffer());
    QVERIFY(pressed != opened);
    QCOMPARE(pressed, DrawnScreen(analyzer));
    std::array<unsigned char, talvinet::kScreenBufferSize> fresh{};
    QVERIFY(link.GetDisplayData(talvinet::kFullCapture, fresh.data(), 1));
    QCOMPARE(Bytes(fresh.data()), pressed);
    link.CloseConnection();
    analyzer.Stop();
  }

  // A silent update says so once over the picture and the timer slows down;
  // a Sync names the silence under its message; an answer brings the pace back.
  void panelFollowsTheLine_data() { AddLineFaultRows(); }
  void panelFollowsTheLine() {
    QFETCH(LineFault, fault);
    ResetAppTestEnvironment();
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(OpenSimulatorLink(*app.m_comm, analyzer.DevicePath()));
    settings::Store store;
    store.Write(panel::kTimedUpdate, 1);
    CVirtualRtaDlg panel(*app.m_comm);
    panel.show();
    const auto state = [&panel] {
      return QStringLiteral("%1|%2").arg(panel.findChild<QLabel*>(QStringLiteral("silenceNotice"))->isVisible())
          .arg(panel.UpdateTimer().interval());
    };
    QCOMPARE(state(), QStringLiteral("0|3000"));

    Strike(analyzer, fault, "QQQRF");
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    QCOMPARE(state(), QStringLiteral("1|%1").arg(kSilentRetryMilliseconds));
    QCOMPARE(prompts::ShownTexts(), QStringList());
    panel.findChild<CPanelButton*>(QStringLiteral("syncButton"))->click();
    QCOMPARE(prompts::ShownTexts(), QStringList{"Couldn't get the current keyboard layout.\n" + NotAnsweringCause()});
    if (fault != LineFault::kSilenceThatEnds) return;
    EndSilence(analyzer);
    panel.findChild<CPanelButton*>(QStringLiteral("updateButton"))->click();
    QCOMPARE(state(), QStringLiteral("0|3000"));
  }
};

QTEST_MAIN(VirtualRtaSessionTest)
#include "VirtualRtaSessionTest.moc"
