// The main window: menus, toolbar, status bar and the two panes; the target
// of every command, enabled from the connection flag and the tree's selection.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <memory>

#include "audio/WaveAudioDevice.h"
#include "commands/CommandTable.h"
#include "connect/ConnectSequence.h"

class CDownloadProgressDlg;
class AudioCommands;
class CFileTree;
class CVQBDataView;
class QTabWidget;
class SpectrumChart;
class CVerdalonApp;
class QAction;
class QLabel;
class QSplitter;
class QToolBar;

class CMainFrame : public QMainWindow, public ConnectionHost {
  Q_OBJECT

 public:
  explicit CMainFrame(CVerdalonApp& app);
  ~CMainFrame() override;

  // The action of command `id` (menu, toolbar or accelerator), or null.
  QAction* Action(int id) const { return actions.value(id); }
  CFileTree* FileTree() const { return tree; }
  CVQBDataView* DataView() const { return view; }
  QSplitter* Splitter() const { return splitter; }

  cmd::CommandState CurrentCommandState() const;
  // Applies the enabling rules to every action.
  void UpdateCommandUI();
  void OnCommand(int id);

  // ConnectionHost
  void ShowAnalyzerRoot() override;
  void HideAnalyzerRoot() override;
  void OpenInstrumentManager() override;
  QWidget* DialogParent() override { return this; }

  // Virtual front panel and audio
  void SetAudioSystem(std::unique_ptr<AudioSystem> system);
  bool Recording() const { return recording == 1; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolbar();
  void CreateStatusBar();
  void CreatePanes();
  void PlaceWindow();
  void MoveFocusBetweenPanes(bool forward);

  void OnConnect();
  void OnDisconnect();
  void OnLinkLost();
  void OnSendCommand();
  void OnDataProfiles();
  void OnAbout();

  // Virtual front panel and audio
  void OnVirtualRta();
  // Which sound devices the commands have, read again after each use.
  void FindSoundDevices();
  void OnRecord();
  void OnPlayback();
  bool StopRecordingBeforeClosing(QCloseEvent* event);

  CVerdalonApp& app;
  QHash<int, QAction*> actions;
  QSplitter* splitter = nullptr;
  CFileTree* tree = nullptr;
  CVQBDataView* view = nullptr;
  QToolBar* toolbar = nullptr;
  QLabel* idleText = nullptr;
  QRect windowRect;  // saved as "Window Pos" when the frame goes
  bool waveOutputExists = false;
  bool waveInputExists = false;
  int recording = 0;
  int playing = 0;

  // File operations and translation.
 public:
  // The progress window of Copy to Computer, kept for the frame's life.
  CDownloadProgressDlg& DownloadProgress() const { return *downloadProgress; }

 private:
  void OnTranslate();
  void OnFileCommand(int id);
  std::unique_ptr<CDownloadProgressDlg> downloadProgress;
  // Virtual front panel and audio
  std::unique_ptr<AudioCommands> audio;
  bool closeAfterRecording = false;
  // Icons of the menus and the toolbar.
  void SetCommandIcons();

  // The spectrum chart beside the preview grid.
  void AttachSpectrumChart();
  void ShowSpectrumOf(const QString& path, int type, int number, unsigned short blockSelect);
  QTabWidget* previewTabs = nullptr;
  SpectrumChart* spectrumChart = nullptr;

 public:
  QTabWidget* PreviewTabs() const { return previewTabs; }
  SpectrumChart* Chart() const { return spectrumChart; }
};
