#include "shell/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "audio/AudioCommands.h"
#include "browser/CFileTree.h"
#include "browser/CVQBDataView.h"
#include "browser/FileTreeItemKind.h"
#include "browser/SpectrumChart.h"
#include "commands/CommandIds.h"
#include "commands/MenuLayout.h"
#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "connect/CConnectDlg.h"
#include "fileops/CDownloadProgressDlg.h"
#include "fileops/FileCommands.h"
#include "link/LinkHealth.h"
#include "link/LinkWorker.h"
#include "manager/CInstrumentManagerDlg.h"
#include "manager/CSendCommandDlg.h"
#include "panel/CVirtualRtaDlg.h"
#include "profiles/CPropSheetDataProfiles.h"
#include "shell/CAboutDlg.h"
#include "shell/CVerdalonApp.h"
#include "shell/CommandArtwork.h"
#include "shell/WindowPlacement.h"
#include "translate/CTranslateFileDlg.h"

namespace {
constexpr int kMinimumPaneWidth = 10;
constexpr int kPreviewTitleMargin = 4;
// How often a lost connection looks again for the moment to end.
constexpr int kLostLinkRetryMilliseconds = 200;
// How long the status bar tells what an Instrument Manager action did.
constexpr int kActionReportMilliseconds = 10000;
}  // namespace

CMainFrame::CMainFrame(CVerdalonApp& application)
    : app(application), downloadProgress(std::make_unique<CDownloadProgressDlg>()) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(QStringLiteral("Verdalon"));
  settings::Store store;
  windowRect = ReadWindowRect(store);
  CreateActions();
  SetCommandIcons();
  CreateMenus();
  CreateToolbar();
  CreateStatusBar();
  CreatePanes();
  AttachSpectrumChart();
  PlaceWindow();
  SetAudioSystem(MakeAudioSystem());
  UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
  if (isVisible()) windowRect = geometry();
  settings::Store store;
  WriteWindowRect(store, windowRect);
}

void CMainFrame::CreateActions() {
  auto makeAction = [this](int id, const QString& text) {
    QAction* action = actions.value(id);
    if (!action) {
      action = new QAction(text, this);
      action->setObjectName(QStringLiteral("command_%1").arg(id));
      action->setData(id);
      action->setStatusTip(strings::StatusPrompt(id));
      action->setToolTip(strings::ToolTipPrompt(id));
      connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
      actions.insert(id, action);
      addAction(action);
    }
    return action;
  };
  for (const cmd::Menu& menu : cmd::MenuBar()) {
    for (const cmd::MenuItem& item : menu.items) {
      if (item.id != cmd::kSeparator) makeAction(item.id, QString::fromLatin1(item.text));
    }
  }
  for (const cmd::Accelerator& accelerator : cmd::Accelerators()) {
    QAction* action = makeAction(accelerator.id, QString());
    action->setShortcuts(action->shortcuts() << accelerator.keys);
  }
  for (int id : {cmd::kViewToolbar, cmd::kViewStatusBar}) {
    actions[id]->setCheckable(true);
    actions[id]->setChecked(true);
  }
  for (int id : {cmd::kRecord, cmd::kPlayback}) actions[id]->setCheckable(true);
}

void CMainFrame::CreateMenus() {
  for (const cmd::Menu& menu : cmd::MenuBar()) {
    QMenu* bar = menuBar()->addMenu(QString::fromLatin1(menu.title));
    bar->setObjectName(QStringLiteral("menu_%1").arg(QString::fromLatin1(menu.title).remove(QLatin1Char('&'))));
    connect(bar, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    for (const cmd::MenuItem& item : menu.items) {
      if (item.id == cmd::kSeparator) {
        bar->addSeparator();
      } else {
        bar->addAction(actions[item.id]);
      }
    }
  }
}

void CMainFrame::CreateToolbar() {
  toolbar = addToolBar(QStringLiteral("Standard"));
  toolbar->setObjectName(QStringLiteral("toolbar"));
  toolbar->setIconSize(QSize(artwork::kToolbarIconSize, artwork::kToolbarIconSize));
  for (int id : cmd::ToolbarButtons()) {
    if (id == cmd::kSeparator) {
      toolbar->addSeparator();
      continue;
    }
    toolbar->addAction(actions[id]);
  }
}

void CMainFrame::CreateStatusBar() {
  statusBar()->setObjectName(QStringLiteral("statusBar"));
  idleText = new QLabel(strings::LoadString(strings::kIdleStatus), this);
  idleText->setObjectName(QStringLiteral("idleStatusText"));
  statusBar()->addWidget(idleText, 1);
  // What the analyzer is doing while a call runs; "Ready" again after.
  if (LinkWorker* worker = app.m_comm ? WorkerOf(*app.m_comm) : nullptr) {
    connect(worker, &LinkWorker::ActivityChanged, idleText, [this](const QString& activity) {
      idleText->setText(activity.isEmpty() ? strings::LoadString(strings::kIdleStatus) : activity);
    });
  }
  if (LinkHealth* health = app.m_comm ? HealthOf(*app.m_comm) : nullptr) {
    auto* indicator = new QLabel(health->Description(), this);
    indicator->setObjectName(QStringLiteral("linkIndicator"));
    statusBar()->addPermanentWidget(indicator);
    connect(health, &LinkHealth::Changed, indicator, [indicator, health] { indicator->setText(health->Description()); });
    connect(health, &LinkHealth::Lost, this, &CMainFrame::OnLinkLost, Qt::QueuedConnection);
  }
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("indicator_%1").arg(QLatin1String(indicator)));
    pane->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1String(indicator)) + 8);
    statusBar()->addPermanentWidget(pane);
  }
}

void CMainFrame::CreatePanes() {
  splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("splitter"));
  splitter->setChildrenCollapsible(false);
  tree = new CFileTree(splitter);
  view = new CVQBDataView(splitter);
  for (QWidget* pane : {static_cast<QWidget*>(tree), static_cast<QWidget*>(view)}) pane->setMinimumWidth(kMinimumPaneWidth);
  setCentralWidget(splitter);
  tree->SetDataView(view);
  tree->SetCommandActions([this](int id) { return actions.value(id); });
  connect(tree->ContextMenu(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
  connect(tree, &CFileTree::SelectionKindChanged, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::PlaceWindow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect placed = InitialWindowRect(windowRect, screen ? screen->availableGeometry() : QRect());
  setGeometry(placed);
  const int width = placed.width();
  splitter->setSizes({width / 4, width / 2});
}

cmd::CommandState CMainFrame::CurrentCommandState() const {
  cmd::CommandState state;
  state.connected = app.m_connected == 1;
  if (tree) state.selectedKind = tree->GetSelectedKind();
  state.waveOutputExists = waveOutputExists;
  state.waveInputExists = waveInputExists;
  state.recording = recording == 1;
  state.playing = playing == 1;
  return state;
}

void CMainFrame::UpdateCommandUI() {
  const cmd::CommandState state = CurrentCommandState();
  for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
    it.value()->setEnabled(cmd::IsEnabled(it.key(), state));
    if (it.key() == cmd::kRecord || it.key() == cmd::kPlayback) {
      it.value()->setChecked(cmd::IsChecked(it.key(), state));
      const char* missing = cmd::MissingDeviceText(it.key(), state);
      it.value()->setStatusTip(missing ? QString::fromLatin1(missing) : strings::StatusPrompt(it.key()));
      it.value()->setToolTip(missing ? QString::fromLatin1(missing) : strings::ToolTipPrompt(it.key()));
    }
  }
  actions[cmd::kViewToolbar]->setChecked(!toolbar->isHidden());
  actions[cmd::kViewStatusBar]->setChecked(!statusBar()->isHidden());
}

void CMainFrame::OnCommand(int id) {
  if (!cmd::IsEnabled(id, CurrentCommandState())) return;
  switch (id) {
    case cmd::kConnect:
      OnConnect();
      break;
    case cmd::kDisconnect:
      OnDisconnect();
      break;
    case cmd::kInstrumentManager:
      OpenInstrumentManager();
      break;
    case cmd::kSendCommand:
      OnSendCommand();
      break;
    case cmd::kDataProfiles:
      OnDataProfiles();
      break;
    case cmd::kAbout:
      OnAbout();
      break;
    case cmd::kExit:
      close();
      break;
    case cmd::kViewToolbar:
      toolbar->setVisible(toolbar->isHidden());
      break;
    case cmd::kViewStatusBar:
      statusBar()->setVisible(statusBar()->isHidden());
      break;
    case cmd::kTranslate:
      OnTranslate();
      break;
    case cmd::kCreate:
    case cmd::kDelete:
    case cmd::kCopyToComputer:
    case cmd::kCopyToDiskette:
      OnFileCommand(id);
      break;
    // Virtual front panel and audio
    case cmd::kVirtualRta:
      OnVirtualRta();
      break;
    case cmd::kRecord:
      OnRecord();
      break;
    case cmd::kPlayback:
      OnPlayback();
      break;
    case cmd::kNextPane:
      MoveFocusBetweenPanes(true);
      break;
    case cmd::kPreviousPane:
      MoveFocusBetweenPanes(false);
      break;
    default:
      // The document commands of a document that holds no data do nothing.
      break;
  }
  UpdateCommandUI();
}

void CMainFrame::MoveFocusBetweenPanes(bool forward) {
  // With two panes the next and the previous pane are the same one.
  const int next = tree->hasFocus() ? 1 : 0;
  splitter->widget(next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void CMainFrame::OnConnect() {
  settings::Store store;
  CConnectDlg dialog(store, this);
  dialog.SetConnectAttempt(
      [this, &store](const ConnectionChoice& choice) { return OpenAndIdentify(app, store, choice, *this); });
  if (dialog.exec() != QDialog::Accepted) return;
  FinishConnect(app, dialog.Choice(), *this);
}

void CMainFrame::OnDisconnect() { RunDisconnect(app, *this); }

// The device hung up or went away: the connection ends without a word to
// the analyzer, once the work in hand (a call, a modal window) is over.
void CMainFrame::OnLinkLost() {
  if (LinkBusy(*app.m_comm) || QApplication::activeModalWidget()) {
    QTimer::singleShot(kLostLinkRetryMilliseconds, this, &CMainFrame::OnLinkLost);
    return;
  }
  if (app.m_connected == 0) return;
  RunDisconnect(app, *this);
  prompts::Show(this, QStringLiteral("The connection to the analyzer was lost: its device hung up or went away."),
                prompts::Icon::Warning);
}

void CMainFrame::OnSendCommand() {
  if (app.m_connected != 1) return;
  CSendCommandDlg dialog(*app.m_comm, this);
  dialog.exec();
}

void CMainFrame::OnDataProfiles() {
  CPropSheetDataProfiles sheet(app.m_profiles, this);
  sheet.exec();
}

void CMainFrame::OnAbout() {
  CAboutDlg dialog(this);
  dialog.exec();
}

void CMainFrame::ShowAnalyzerRoot() { tree->ShowAnalyzerRoot(); }

void CMainFrame::HideAnalyzerRoot() { tree->HideAnalyzerRoot(); }

void CMainFrame::OpenInstrumentManager() {
  CInstrumentManagerDlg sheet(*app.m_comm, this);
  connect(&sheet, &CInstrumentManagerDlg::ActionReported, this,
          [this](const QString& text) { statusBar()->showMessage(text, kActionReportMilliseconds); });
  sheet.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (StopRecordingBeforeClosing(event)) return;
  windowRect = geometry();
  QMainWindow::closeEvent(event);
}

bool CMainFrame::event(QEvent* event) {
  // The title is the program's name alone, whatever a window title change asks.
  if (event->type() == QEvent::WindowTitleChange && windowTitle() != QLatin1String("Verdalon"))
    setWindowTitle(QStringLiteral("Verdalon"));
  return QMainWindow::event(event);
}

// Translation from the tree's selection. Computer paths keep their case: the
// file system tells "a.vqb" from "A.VQB". Memory file names are upper case.
void CMainFrame::OnTranslate() {
  const int kind = tree->GetSelectedKind();
  QString input;
  if (kind == FileTreeItemKind::kMemoryFile) {
    input = tree->SelectedText().toUpper();
  } else if (kind == FileTreeItemKind::kComputerFile) {
    input = tree->GetItemPath(tree->SelectedItem());
  } else {
    return;
  }
  CTranslateFileDlg dialog(app.m_profiles, *app.m_comm, this);
  dialog.SetInput(kind, input);
  dialog.exec();
}

void CMainFrame::OnFileCommand(int id) {
  const int kind = tree->GetSelectedKind();
  AnalyzerLink& link = *app.m_comm;
  // The tree shows at once what the command changed.
  if (id == cmd::kCreate) {
    if (fileops::RunCreate(this, link)) tree->RefreshAnalyzerFiles();
  } else if (id == cmd::kDelete) {
    const bool memoryFile = kind == FileTreeItemKind::kMemoryFile;
    const QString target = memoryFile ? tree->SelectedText() : tree->GetItemPath(tree->SelectedItem());
    if (!fileops::RunDelete(this, link, kind, target)) return;
    if (memoryFile) {
      tree->RefreshAnalyzerFiles();
    } else {
      tree->RefreshFolderOf(target);
    }
  } else if (kind == FileTreeItemKind::kMemoryFile && id == cmd::kCopyToComputer) {
    const QString copied = fileops::RunCopyToComputer(this, link, *downloadProgress, tree->SelectedText());
    if (!copied.isEmpty()) tree->RefreshFolderOf(copied);
  } else if (kind == FileTreeItemKind::kMemoryFile && id == cmd::kCopyToDiskette) {
    fileops::RunCopyToDiskette(this, link, tree->SelectedText());
  }
}

// --- Virtual front panel and audio ---

void CMainFrame::OnVirtualRta() {
  if (app.m_connected != 1) return;
  CVirtualRtaDlg panel(*app.m_comm, this);
  panel.exec();
}

void CMainFrame::SetAudioSystem(std::unique_ptr<AudioSystem> system) {
  audio = std::make_unique<AudioCommands>(std::move(system));
  FindSoundDevices();
}

void CMainFrame::FindSoundDevices() {
  waveOutputExists = audio->WaveOutputExists();
  waveInputExists = audio->WaveInputExists();
}

void CMainFrame::OnRecord() {
  audio->Record(this, recording, playing);
  FindSoundDevices();
  if (closeAfterRecording) close();
}

void CMainFrame::OnPlayback() {
  audio->Playback(this, recording, playing);
  FindSoundDevices();
}

// Closing while recording ends the recording first; the window closes once
// the recording is saved or dropped.
bool CMainFrame::StopRecordingBeforeClosing(QCloseEvent* event) {
  if (!audio->Recording()) return false;
  closeAfterRecording = true;
  audio->RequestStop();
  event->ignore();
  return true;
}

// Icons of the menus and the toolbar.
void CMainFrame::SetCommandIcons() {
  for (auto it = actions.cbegin(); it != actions.cend(); ++it) it.value()->setIcon(artwork::CommandIcon(it.key()));
}

// The spectrum chart beside the preview grid.
// The right pane becomes two tabs: the grid, unchanged, and the chart, which
// can be chosen while the previewed record or block is a spectrum.
// Above both tabs, a title names what they show.
void CMainFrame::AttachSpectrumChart() {
  auto* pane = new QWidget;
  pane->setObjectName(QStringLiteral("previewPane"));
  pane->setMinimumWidth(kMinimumPaneWidth);
  auto* title = new QLabel(view->Title(), pane);
  title->setObjectName(QStringLiteral("previewTitle"));
  title->setContentsMargins(kPreviewTitleMargin, kPreviewTitleMargin, kPreviewTitleMargin, kPreviewTitleMargin);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  previewTabs = new QTabWidget(pane);
  previewTabs->setObjectName(QStringLiteral("previewTabs"));
  previewTabs->setDocumentMode(true);
  previewTabs->setTabPosition(QTabWidget::South);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(title);
  layout->addWidget(previewTabs, 1);
  splitter->replaceWidget(1, pane);
  spectrumChart = new SpectrumChart;
  previewTabs->addTab(view, QStringLiteral("Text"));
  previewTabs->addTab(spectrumChart, QStringLiteral("Chart"));
  previewTabs->setTabEnabled(1, false);
  connect(tree, &CFileTree::RecordPreviewed, this, &CMainFrame::ShowSpectrumOf);
  connect(view, &CVQBDataView::TitleChanged, title, &QLabel::setText);
  // The chart goes with the text, and the tab that may say why comes forward.
  connect(view, &CVQBDataView::Cleared, this, [this] {
    spectrumChart->Clear();
    previewTabs->setTabEnabled(1, false);
    previewTabs->setCurrentIndex(0);
  });
}

void CMainFrame::ShowSpectrumOf(const QString& path, int type, int number, unsigned short blockSelect) {
  const bool shown = spectrumChart->ShowRecord(path, type, number, blockSelect);
  previewTabs->setTabEnabled(1, shown);
  if (!shown) previewTabs->setCurrentIndex(0);
}
