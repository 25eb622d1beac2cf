// The "Virtual RTA" dialog: the analyzer's screen and a copy of its keypad.
// Clicking a key presses the analyzer's key; the picture is refreshed after
// key presses, on a timer or on demand, and can be copied, saved or printed.
#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>

#include "panel/KeypadLayout.h"
#include "panel/PanelSettings.h"

class AnalyzerLink;
class CPanelButton;
class QLabel;
class QPrinter;

class CVirtualRtaDlg : public QDialog {
  Q_OBJECT

 public:
  // Where the screen picture is drawn.
  static constexpr int kPictureLeft = 72;
  static constexpr int kPictureTop = 47;

  // Opens the panel: shows the model's keypad, reads the key names and takes
  // a full capture.
  explicit CVirtualRtaDlg(AnalyzerLink& link, QWidget* parent = nullptr);
  ~CVirtualRtaDlg() override;

  const panel::PanelSettings& Settings() const { return settings; }
  bool Shifted() const { return shifted; }
  const QImage& Picture() const { return picture; }
  const unsigned char* ScreenBuffer() const { return screenBuffer.data(); }
  const QTimer& UpdateTimer() const { return timer; }
  CPanelButton* Button(int buttonId) const { return buttons.value(buttonId); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class PausedTimer;

  CPanelButton* AddButton(int buttonId, const char* name, QPoint place);
  void BuildButtons();
  void ShowLayout();
  void ReadKeyNames();
  void RefreshLabels();
  void OnKey(int buttonId);
  void ReportErrorCode();
  void Refresh(bool full);
  void OnUpdate();
  void OnSync();
  void OnCapture();
  void OnOptions();
  void RestartTimer();
  QPrinter& Printer();

  AnalyzerLink& link;
  QStringList keyNames;
  bool shifted = false;
  bool deodarLayout = false;
  // 7680 bytes used, two spare.
  using ScreenBytes = std::array<unsigned char, 7682>;
  ScreenBytes screenBuffer{};
  // Says, over the picture, that the analyzer is not answering.
  QLabel* silenceNotice = nullptr;
  std::array<unsigned char, 7682> bitmapBits{};
  panel::PanelSettings settings;
  // The analyzer's changes describe a screen this panel has not seen whole
  // yet: after opening, Sync and a capture that came in part.
  bool fullCaptureNeeded = true;
  QImage picture;
  QTimer timer;
  std::unique_ptr<QPrinter> printer;
  QHash<int, CPanelButton*> buttons;
};
