// Renders the main window and each dialog to PNG files in the build tree, so
// they can be looked at.
#include <QDir>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "audio/CRecordingStatusDlg.h"
#include "browser/TreeImages.h"
#include "connect/CConnectDlg.h"
#include "fileops/CCreateFileDlg.h"
#include "fileops/CDownloadProgressDlg.h"
#include "manager/CInstrumentManagerDlg.h"
#include "manager/CSendCommandDlg.h"
#include "panel/CVirtualRtaDlg.h"
#include "panel/CVirtualRtaOptionsDlg.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "profiles/ProfileNameDialogs.h"
#include "profiles/ProfileTransferDialogs.h"
#include "shell/Artwork.h"
#include "shell/CAboutDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CVerdalonApp.h"
#include "tests/support/AppTestEnvironment.h"
#include "tests/support/FakeAnalyzerLink.h"
#include "tests/support/TreeTestData.h"
#include "translate/CTranslateFileDlg.h"

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
    CInstrumentManagerDlg manager(&frame);
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
