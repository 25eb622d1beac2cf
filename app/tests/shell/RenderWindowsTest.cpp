// Renders the main window and each dialog to PNG files in the build tree, so
// they can be looked at.
#include <QDir>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/TreeImages.h"
#include "connect/CConnectDlg.h"
#include "link/TalvinetLink.h"
#include "manager/CEditSetupNameDlg.h"
#include "manager/CInstrumentManagerDlg.h"
#include "manager/CMacroSchedulerDlg.h"
#include "manager/CStatusDlg.h"
#include "manager/CSendCommandDlg.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "profiles/ProfileNameDialogs.h"
#include "profiles/ProfileTransferDialogs.h"
#include "shell/Artwork.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/TreeTestData.h"

class RenderWindowsTest : public QObject {
  Q_OBJECT

 private:
  FakeAnalyzerScript script;
  FakeAnalyzerLog log;

  void Render(QWidget& widget, const QString& name) {
    widget.show();
    const QPixmap image = widget.grab();
    QVERIFY(!image.isNull());
    const QString path = QDir(QStringLiteral(RENDER_DIR)).filePath(name + QStringLiteral(".png"));
    QVERIFY2(image.save(path), qPrintable(path));
    widget.hide();
  }

 private slots:
  void initTestCase() {
    ResetAppTestEnvironment();
    QVERIFY(QDir().mkpath(QStringLiteral(RENDER_DIR)));
  }

  void renderEveryWindow() {
    CVerdalonApp app(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app.InitInstance(false));
    CMainFrame& frame = *app.MainFrame();
    frame.FileTree()->ShowAnalyzerRoot();
    Render(frame, QStringLiteral("MainFrame"));
    RenderBrowsing(frame);
    RenderDialogs(app);
    QVERIFY(artwork::StartupPicture().save(QDir(QStringLiteral(RENDER_DIR)).filePath(QStringLiteral("StartupPicture.png"))));
    app.ExitInstance();
  }

  // The Instrument Manager's pages as the virtual analyzer fills them, and
  // the two dialogs they open.
  void renderManagerPages() {
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer()};
    analyzer.WithAnalyzer([](simanalyzer::VirtualAnalyzer& virtualAnalyzer) {
      simanalyzer::InstrumentSettings& settings = virtualAnalyzer.State().settings;
      settings.note = "North fence, 20 m from the road";
      settings.beeper = 5;
      settings.batteryVolts = "6.45";
      settings.macros.state = {1, 1, 0, 1, 1, 0, 0, 1, 0, 0};
      settings.macros.running = 3;
      settings.macros.schedule = simanalyzer::MacroSchedule{7, 18, 6, 30, 0};
    });
    std::string problem;
    if (!analyzer.Start(problem)) QSKIP(problem.c_str());
    TalvinetLink link;
    SerialLinkRequest request;
    request.deviceFile = QString::fromStdString(analyzer.DevicePath());
    QVERIFY(link.OpenConnection(request) && link.InitHardwareInfo());

    CInstrumentManagerDlg manager(link);
    manager.findChild<CStatusDlg*>()->RefreshClocks();
    const QString pages[] = {QStringLiteral("Status"), QStringLiteral("Control"), QStringLiteral("Setups"),
                             QStringLiteral("Macros")};
    for (int page = 0; page < manager.Tabs()->count(); ++page) {
      manager.Tabs()->setCurrentIndex(page);
      Render(manager, QStringLiteral("InstrumentManager") + pages[page] + QStringLiteral("Page"));
    }
    CEditSetupNameDlg rename(QStringLiteral("OCTAVE"));
    Render(rename, QStringLiteral("EditSetupNameDialog"));
    CMacroSchedulerDlg scheduler(QDateTime(QDate(2026, 4, 15), QTime(18, 30, 0)));
    Render(scheduler, QStringLiteral("MacroSchedulerDialog"));
    link.CloseConnection();
    analyzer.Stop();
  }

 private:
  // The tree expanded down to a record's blocks, with that record previewed.
  void RenderBrowsing(CMainFrame& frame) {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("June")));
    treetest::WriteTwelveRecordFile(folder.filePath(QStringLiteral("NOISE1.VQB")));
    CFileTree& tree = *frame.FileTree();
    const QString drive = folder.path();
    tree.SetDriveLister([drive] { return std::vector<ComputerDrive>{{drive, TreeImage::kFixedDrive}}; });
    frame.resize(900, 560);
    frame.Splitter()->setSizes({300, 600});
    treetest::Expand(tree.ComputerRoot());
    treetest::Expand(tree.ComputerRoot()->child(0));
    QTreeWidgetItem* file = treetest::Child(tree.ComputerRoot()->child(0), QStringLiteral("NOISE1.VQB"));
    treetest::Expand(file);
    treetest::Expand(file->child(1));
    QVERIFY(!frame.DataView()->Text().isEmpty());
    Render(frame, QStringLiteral("MainFrameBrowsing"));
  }

  // The dialogs go before the frame that parents them.
  void RenderDialogs(CVerdalonApp& app) {
    CMainFrame& frame = *app.MainFrame();
    settings::Store store;
    CConnectDlg connect(store, &frame);
    Render(connect, QStringLiteral("ConnectDialog"));
    script.reply = "V5.20\tB\t";
    CSendCommandDlg send(*app.m_comm, &frame);
    Render(send, QStringLiteral("SendCommandDialog"));
    CAboutDlg about(&frame);
    Render(about, QStringLiteral("AboutDialog"));
    CInstrumentManagerDlg manager(*app.m_comm, &frame);
    Render(manager, QStringLiteral("InstrumentManager"));
    CPropSheetDataProfiles profiles(app.m_profiles, &frame);
    Render(profiles, QStringLiteral("DataProfilesManagerPage"));
    profiles.Tabs()->setCurrentIndex(1);
    Render(profiles, QStringLiteral("DataProfilesCustomOptionsPage"));
    CCreateProfileDlg create(app.m_profiles, &frame);
    Render(create, QStringLiteral("CreateProfileDialog"));
    CChangeProfileNameDlg rename(QStringLiteral("<default>"), &frame);
    Render(rename, QStringLiteral("ChangeProfileNameDialog"));
    CExportProfilesDlg exporter(app.m_profiles, &frame);
    Render(exporter, QStringLiteral("ExportProfilesDialog"));
    CImportProfilesDlg importer(app.m_profiles, &frame);
    Render(importer, QStringLiteral("ImportProfilesDialog"));
  }
};

QTEST_MAIN(RenderWindowsTest)
#include "RenderWindowsTest.moc"
