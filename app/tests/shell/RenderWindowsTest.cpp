// Renders the main window and each dialog to PNG files in the build tree, so
// they can be looked at.
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QPainter>
#include <QSplitter>
#include <QTemporaryDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "audio/CRecordingStatusDlg.h"
#include "browser/TreeImages.h"
#include "common/UserPrompts.h"
#include "connect/CConnectDlg.h"
#include "fileops/CCreateFileDlg.h"
#include "fileops/CDownloadProgressDlg.h"
#include "link/LinkHealth.h"
#include "link/TalvinetLink.h"
#include "manager/CEditSetupNameDlg.h"
#include "manager/CInstrumentManagerDlg.h"
#include "manager/CMacroSchedulerDlg.h"
#include "manager/CStatusDlg.h"
#include "manager/CSendCommandDlg.h"
#include "panel/CVirtualRtaDlg.h"
#include "panel/CVirtualRtaOptionsDlg.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "profiles/ProfileNameDialogs.h"
#include "profiles/ProfileTransferDialogs.h"
#include "commands/CommandIds.h"
#include "shell/Artwork.h"
#include "shell/CommandArtwork.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "simanalyzer/PtyAnalyzer.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/SimulatorConnect.h"
#include "tests/support/TreeTestData.h"
#include "translate/CTranslateFileDlg.h"
#include "VqbBuilder.h"

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

  // The Create File, progress and Translate File windows.
  void renderFileWindows() {
    script.memoryFiles = {treetest::TwoRecordMemoryFile()};
    CVerdalonApp app(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app.InitInstance(false));
    {
      CCreateFileDlg create(app.MainFrame());
      Render(create, QStringLiteral("CreateFileDialog"));
      CDownloadProgressDlg& progress = app.MainFrame()->DownloadProgress();
      QVERIFY(progress.Create(app.MainFrame()));
      OnDownloadProgress(progress, 13312, 20480);
      Render(*progress.Window(), QStringLiteral("DownloadProgress"));
      progress.DestroyWindow();
      CTranslateFileDlg translate(app.m_profiles, *app.m_comm, app.MainFrame());
      translate.SetInput(11, QStringLiteral("FILE0001"));
      Render(translate, QStringLiteral("TranslateFileDialog"));
    }
    app.ExitInstance();
  }

  // The panel of both keypads, its options and the recording window.
  void renderPanelAndAudio() {
    const char* names[] = {"File", "Setup", "Filter", "Detect", "Level", "Units", "Trigger", "Mode",
                           "Zoom", "Marker", "Spectra", "Stats", "Save", "Macro", "Clock", "Note"};
    for (int i = 0; i < 16; ++i) script.keyNames[65 + i] = QLatin1String(names[i]);
    for (int i = 0; i < 10; ++i) script.keyNames[81 + i] = QString(QLatin1Char(char('Q' + i)));
    script.screenFill = 0x81;
    for (bool deodar : {false, true}) {
      script.deodar = deodar;
      FakeAnalyzerLink link(script, log);
      CVirtualRtaDlg panel(link);
      Render(panel, deodar ? QStringLiteral("VirtualRtaDeodar") : QStringLiteral("VirtualRtaBirch"));
    }
    panel::PanelSettings values;
    values.timedUpdate = 1;
    values.captureMode = panel::kCaptureToPrinter;
    CVirtualRtaOptionsDlg options(values, {});
    Render(options, QStringLiteral("VirtualRtaOptions"));
    CRecordingStatusDlg status(22050, 16, 44100, 0);
    status.UpdateStatus(12340);
    Render(status, QStringLiteral("RecordingStatus"));
  }

  // The command icons while connected, a sheet of our own drawings at both
  // sizes, and the Connect dialog listing ports.
  void renderPlatformWindows() {
    CVerdalonApp app(std::make_unique<FakeAnalyzerLink>(script, log));
    QVERIFY(app.InitInstance(false));
    CMainFrame& frame = *app.MainFrame();
    app.m_connected = 1;
    frame.UpdateCommandUI();
    frame.resize(900, 300);
    Render(frame, QStringLiteral("MainFrameIcons"));
    QVERIFY(IconSheet().save(QDir(QStringLiteral(RENDER_DIR)).filePath(QStringLiteral("CommandIcons.png"))));
    {
      settings::Store store;
      CConnectDlg connect(store, &frame,
                          {{"/dev/ttyS0", "", ""},
                           {"/dev/ttyUSB0", "FTDI", "FT232R USB UART"},
                           {"/dev/ttyACM0", "Arduino (www.arduino.cc)", "Arduino Uno"}});
      Render(connect, QStringLiteral("ConnectDialogPorts"));
      connect.SetConnectAttempt([](const ConnectionChoice&) {
        return QStringLiteral("An error occured while connecting to the analyzer.\n/dev/ttyUSB0: no such device");
      });
      connect.findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
      Render(connect, QStringLiteral("ConnectDialogFailed"));
    }
    RenderSpectrum(frame);
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

  // While Copy to Computer runs: the status bar saying what the analyzer
  // does, and the progress window at 0 % before the first byte has come.
  void renderDuringACall() {
    simanalyzer::PtyAnalyzer analyzer{simanalyzer::VirtualAnalyzer(), simanalyzer::Pacing{19200, 1.0}};
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    CMainFrame* const started = ServeAndSelect(analyzer, app, "DEMOFILE", {{1, vqbtest::SpectrumRecord(1, 400)}});
    if (!started) return;
    CMainFrame& frame = *started;
    frame.resize(900, 560);
    QStringList rendered;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
      QWidget* window = frame.DownloadProgress().Window();
      if (!window || !rendered.isEmpty()) return;
      rendered << frame.findChild<QLabel*>(QStringLiteral("idleStatusText"))->text()
               << window->findChild<QLabel*>(QStringLiteral("percentText"))->text();
      const QDir folder(QStringLiteral(RENDER_DIR));
      QVERIFY(frame.grab().save(folder.filePath(QStringLiteral("MainFrameDuringCall.png"))));
      QVERIFY(window->grab().save(folder.filePath(QStringLiteral("DownloadProgressAtStart.png"))));
    });
    watch.start(5);
    QTemporaryDir folder;
    prompts::QueueFileName(folder.filePath(QStringLiteral("COPY.VQB")));
    frame.OnCommand(cmd::kCopyToComputer);
    QVERIFY2(rendered.value(0).startsWith(QStringLiteral("Downloading ")), qPrintable(rendered.join('|')));
    QCOMPARE(rendered.value(1), QStringLiteral(" 0 %"));
    frame.OnCommand(cmd::kDisconnect);
    app.ExitInstance();
    analyzer.Stop();
  }

  // A record preview that failed because the analyzer fell silent: the pane
  // says why under the title of the record chosen.
  void renderClearedPreview() {
    SimulatorSession session({{"DEMOFILE", {{1, vqbtest::SpectrumRecord(1, 400)}}}});
    if (!session.problem.empty()) QSKIP(session.problem.c_str());
    QVERIFY(session.tree);
    CMainFrame& frame = *session.app.MainFrame();
    frame.resize(900, 560);
    frame.Splitter()->setSizes({300, 600});
    QTreeWidgetItem* file = session.tree->AnalyzerRoot()->child(0);
    treetest::Expand(file);
    session.analyzer.WithAnalyzer(
        [](simanalyzer::VirtualAnalyzer& served) { served.Misbehaviour().silentAfterBytes = 0; });
    session.tree->setCurrentItem(file->child(0));
    QVERIFY(frame.DataView()->Text().isEmpty() && !frame.DataView()->Reason().isEmpty());
    Render(frame, QStringLiteral("MainFrameClearedPreview"));
  }

  // The status bar's three states of the link, the two polling windows while
  // the analyzer is silent, and a failure that silence caused.
  void renderLinkHealth() {
    CVerdalonApp app(std::make_unique<TalvinetLink>());
    QVERIFY(app.InitInstance(false));
    CMainFrame& frame = *app.MainFrame();
    frame.resize(640, 480);
    LinkHealth& health = *HealthOf(*app.m_comm);
    const auto renderStatusBar = [&frame](const char* name) {
      QCoreApplication::sendPostedEvents();  // the indicator's new width is laid out
      QVERIFY(frame.statusBar()->grab().save(QDir(QStringLiteral(RENDER_DIR)).filePath(QLatin1String(name))));
    };
    health.Opened(QStringLiteral("Birch"), QStringLiteral("/dev/ttyUSB0"));
    renderStatusBar("StatusBarConnected.png");
    health.Record({}, {0, 1, 0, 0});
    renderStatusBar("StatusBarNotAnswering.png");
    {
      CStatusDlg status(*app.m_comm);
      status.OnSetActive();
      Render(status, QStringLiteral("StatusPageNotAnswering"));
      CVirtualRtaDlg panel(*app.m_comm);
      Render(panel, QStringLiteral("VirtualRtaNotAnswering"));
    }
    health.Closed();
    renderStatusBar("StatusBarDisconnected.png");
    QMessageBox failure(QMessageBox::Warning, QStringLiteral("Verdalon"),
                        QStringLiteral("The file could not be copied.\n") + NotAnsweringCause());
    Render(failure, QStringLiteral("FailureNotAnswering"));
    app.ExitInstance();
  }

 private:
  // The frame at its rendering size with `folder` as the one drive, expanded down to `fileName`'s records.
  static QTreeWidgetItem* ExpandFileInTree(CMainFrame& frame, const QString& folder, const QString& fileName) {
    CFileTree& tree = *frame.FileTree();
    tree.SetDriveLister([folder] { return std::vector<ComputerDrive>{{folder, TreeImage::kFixedDrive}}; });
    frame.resize(900, 560);
    frame.Splitter()->setSizes({300, 600});
    treetest::Expand(tree.ComputerRoot());
    treetest::Expand(tree.ComputerRoot()->child(0));
    QTreeWidgetItem* file = treetest::Child(tree.ComputerRoot()->child(0), fileName);
    treetest::Expand(file);
    return file;
  }

  // The demo file's second Normal record previewed, its chart tab chosen.
  void RenderSpectrum(CMainFrame& frame) {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(VERDALON_DEMO_FILE), folder.filePath(QStringLiteral("DEMO.VQB"))));
    QTreeWidgetItem* file = ExpandFileInTree(frame, folder.path(), QStringLiteral("DEMO.VQB"));
    frame.FileTree()->setCurrentItem(treetest::Child(file, QStringLiteral("Normal 2")));
    QVERIFY(frame.PreviewTabs()->isTabEnabled(1));
    frame.PreviewTabs()->setCurrentIndex(1);
    Render(frame, QStringLiteral("MainFrameSpectrum"));
  }

  static QPixmap IconSheet() {
    const int ids[] = {cmd::kConnect,    cmd::kDisconnect, cmd::kDataProfiles, cmd::kInstrumentManager,
                       cmd::kSendCommand, cmd::kVirtualRta, cmd::kRecord,       cmd::kPlayback,
                       cmd::kPrint,      cmd::kAbout,      cmd::kTranslate,    cmd::kCreate,
                       cmd::kDelete,     cmd::kCopyToComputer, cmd::kCopyToDiskette};
    QPixmap sheet(static_cast<int>(std::size(ids)) * 32 + 8, 56);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < std::size(ids); ++i) {
      const QIcon icon = artwork::DrawnCommandIcon(ids[i]);
      painter.drawPixmap(8 + static_cast<int>(i) * 32, 4, icon.pixmap(16));
      painter.drawPixmap(8 + static_cast<int>(i) * 32, 26, icon.pixmap(24));
    }
    return sheet;
  }

  // The tree expanded down to a record's blocks, with that record previewed.
  void RenderBrowsing(CMainFrame& frame) {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("June")));
    treetest::WriteTwelveRecordFile(folder.filePath(QStringLiteral("NOISE1.VQB")));
    QTreeWidgetItem* file = ExpandFileInTree(frame, folder.path(), QStringLiteral("NOISE1.VQB"));
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
