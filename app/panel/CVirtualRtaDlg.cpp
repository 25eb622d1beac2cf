#include "panel/CVirtualRtaDlg.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPageSetupDialog>
#include <QPrinter>
#include <algorithm>

#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "link/LinkHealth.h"
#include "link/LinkWorker.h"
#include "panel/CPanelButton.h"
#include "panel/CVirtualRtaOptionsDlg.h"
#include "panel/KeyFaces.h"
#include "panel/ScreenCapture.h"
#include "panel/ScreenImage.h"
#include "talvinet/Talvinet.h"

namespace {

constexpr int kMargin = 10;
constexpr int kColumnStep = 62;  // a face and the gap after it
constexpr int kRowStep = 37;
constexpr int kToolStep = 33;
constexpr int kFirstKeyRowTop = 190;
// The keypad proper sits a little apart from the two rows of soft keys.
constexpr int kKeypadGap = 10;
constexpr int kColumns = 10;
constexpr int kRows = 6;

constexpr const char* kKeyboardUnknown = "Couldn't get the current keyboard layout.";
constexpr const char* kKeypressFailed = "The keypress could not be emulated.";

// Error-code bits a key press can raise, and what they say.
struct ErrorBit {
  int mask;
  const char* text;
  bool deodarOnly;
};
constexpr ErrorBit kErrorBits[] = {
    {8, "Stop Required", false},
    {16, "I/O Entry error", false},
    {64, "GPIB error", true},
};

QPoint KeyPlace(int column, int row) {
  return {kMargin + column * kColumnStep, kFirstKeyRowTop + row * kRowStep + (row >= 2 ? kKeypadGap : 0)};
}

}  // namespace

// Keeps the timer still while the panel talks to the analyzer; a panel
// destroyed meanwhile is left alone.
class CVirtualRtaDlg::PausedTimer {
 public:
  explicit PausedTimer(CVirtualRtaDlg& panel) : dialog(&panel) { panel.timer.stop(); }
  ~PausedTimer() {
    if (dialog) dialog->RestartTimer();
  }
  PausedTimer(const PausedTimer&) = delete;
  PausedTimer& operator=(const PausedTimer&) = delete;

 private:
  QPointer<CVirtualRtaDlg> dialog;
};

CVirtualRtaDlg::CVirtualRtaDlg(AnalyzerLink& analyzer, QWidget* parent)
    : QDialog(parent), link(analyzer), keyNames(talvinet::kKeyCount, QString()) {
  setObjectName(QStringLiteral("virtualRta"));
  setWindowTitle(QStringLiteral("Virtual RTA"));
  const QPoint lastKey = KeyPlace(kColumns - 1, kRows - 1);
  setFixedSize(lastKey.x() + faces::kFaceWidth + kMargin, lastKey.y() + faces::kFaceHeight + kMargin);
  settings::Store store;
  settings = panel::ReadPanelSettings(store);
  // Until the first whole capture the bits are those of a blank screen, white like the picture on show.
  Talvinet::CreateBitmapFromData(bitmapBits.data(), screenBuffer.data());
  picture = panel::ScreenImage(bitmapBits.data());
  silenceNotice = new QLabel(NotAnsweringNotice(), this);
  silenceNotice->setObjectName(QStringLiteral("silenceNotice"));
  silenceNotice->setAutoFillBackground(true);
  silenceNotice->move(kPictureLeft + 2, kPictureTop + 2);
  silenceNotice->hide();
  timer.setObjectName(QStringLiteral("updateTimer"));
  connect(&timer, &QTimer::timeout, this, &CVirtualRtaDlg::OnUpdate);
  BuildButtons();

  WaitCursor wait;
  deodarLayout = link.IsDeodar();
  ShowLayout();
  ReadKeyNames();
  Refresh(true);
  RestartTimer();
  // Clears what the analyzer remembers of earlier errors.
  int code = 0;
  link.GetErrorCode(code, 1);
}

CVirtualRtaDlg::~CVirtualRtaDlg() {
  settings::Store store;
  panel::WritePanelSettings(store, settings);
}

CPanelButton* CVirtualRtaDlg::AddButton(int buttonId, const char* name, QPoint place) {
  auto* button = new CPanelButton(this);
  button->setObjectName(QLatin1String(name));
  button->move(place);
  buttons.insert(buttonId, button);
  return button;
}

void CVirtualRtaDlg::BuildButtons() {
  struct ToolButton {
    const char* name;
    const char* tip;
    faces::Tool tool;
    void (CVirtualRtaDlg::*action)();
  };
  const ToolButton tools[] = {
      {"updateButton", "Update", faces::Tool::Update, &CVirtualRtaDlg::OnUpdate},
      {"captureButton", "Capture", faces::Tool::Capture, &CVirtualRtaDlg::OnCapture},
      {"optionsButton", "Options", faces::Tool::Options, &CVirtualRtaDlg::OnOptions},
      {"syncButton", "Sync", faces::Tool::Sync, &CVirtualRtaDlg::OnSync},
  };
  int top = kPictureTop;
  for (const ToolButton& tool : tools) {
    auto* button = new CPanelButton(this);
    button->setObjectName(QLatin1String(tool.name));
    button->move(kMargin, top);
    button->SetPicture(faces::ToolIcon(tool.tool));
    button->setToolTip(QLatin1String(tool.tip));
    connect(button, &CPanelButton::clicked, this, tool.action);
    top += kToolStep;
  }
  // Both layouts place a shared button in the same cell.
  for (bool deodar : {false, true}) {
    for (const keypad::KeyRow& row : keypad::Layout(deodar)) {
      if (buttons.contains(row.buttonId)) continue;
      const QByteArray name = "key_" + QByteArray::number(row.buttonId);
      CPanelButton* button = AddButton(row.buttonId, name.constData(), KeyPlace(row.column, row.row));
      const int id = row.buttonId;
      connect(button, &CPanelButton::clicked, this, [this, id] { OnKey(id); });
    }
  }
}

void CVirtualRtaDlg::ShowLayout() {
  for (auto it = buttons.cbegin(); it != buttons.cend(); ++it)
    it.value()->setVisible(keypad::FindRow(deodarLayout, it.key()) != nullptr);
  RefreshLabels();
}

void CVirtualRtaDlg::ReadKeyNames() {
  QStringList names;
  if (!link.GetDefinedKeys(names, 1)) {
    prompts::Show(this, QString::fromLatin1(kKeyboardUnknown), prompts::Icon::Warning);
    return;
  }
  names.resize(talvinet::kKeyCount);
  keyNames = names;
  RefreshLabels();
}

void CVirtualRtaDlg::RefreshLabels() {
  for (const keypad::KeyRow& row : keypad::Layout(deodarLayout)) {
    CPanelButton* button = buttons.value(row.buttonId);
    if (row.arrow != keypad::Arrow::None) button->SetPicture(faces::ArrowIcon(row.arrow, shifted));
    button->SetLabel(keypad::LabelOf(row, keyNames));
  }
}

void CVirtualRtaDlg::OnKey(int buttonId) {
  const keypad::KeyRow* row = keypad::FindRow(deodarLayout, buttonId);
  if (!row) return;
  PausedTimer paused(*this);
  if (row->key == keypad::kShiftKey) {
    shifted = !shifted;
    RefreshLabels();
    return;
  }
  const int key = shifted ? row->shiftedKey : row->key;
  const QString name = key > 0 && key < keyNames.size() ? keyNames[key] : QString();
  if (key != keypad::kPressedByNumber && name.isEmpty()) return;
  {
    WaitCursor wait;
    const bool pressed = key == keypad::kPressedByNumber ? link.EmulateKeystroke(key, 1)
                                                         : link.EmulateKeystroke(name.toLatin1(), 1);
    if (pressed) {
      ReportErrorCode();
      if (!row->keepsLabels) ReadKeyNames();
      if (settings.keypressUpdate != 0) Refresh(false);
    } else {
      prompts::Show(this, QString::fromLatin1(kKeypressFailed), prompts::Icon::Warning);
    }
  }
  if (shifted) {
    shifted = false;
    RefreshLabels();
  }
}

void CVirtualRtaDlg::ReportErrorCode() {
  int code = 0;
  if (!link.GetErrorCode(code, 1)) return;
  for (const ErrorBit& bit : kErrorBits) {
    if ((code & bit.mask) != 0 && (!bit.deodarOnly || deodarLayout))
      prompts::Show(this, QString::fromLatin1(bit.text), prompts::Icon::Warning);
  }
}

void CVirtualRtaDlg::Refresh(bool full) {
  const bool changes = !full && !fullCaptureNeeded && settings.changesOnly != 0;
  // The capture fills a copy, so that a panel destroyed while it runs is not written to.
  const QPointer<CVirtualRtaDlg> alive(this);
  ScreenBytes captured = screenBuffer;
  const bool sent = link.GetDisplayData(changes ? talvinet::kChangesCapture : talvinet::kFullCapture, captured.data(), 1);
  if (!alive || !sent) return;
  screenBuffer = captured;
  // A stream cut short leaves the buffer part old, part new: the last
  // picture stays and the next capture is a full one.
  if (!link.LastCaptureComplete()) {
    fullCaptureNeeded = true;
    return;
  }
  fullCaptureNeeded = false;
  Talvinet::CreateBitmapFromData(bitmapBits.data(), screenBuffer.data());
  picture = panel::ScreenImage(bitmapBits.data());
  update(QRect(kPictureLeft - 1, kPictureTop - 1, talvinet::kScreenWidth + 2, talvinet::kScreenHeight + 2));
}

void CVirtualRtaDlg::OnUpdate() {
  // A timed update that comes while another call runs is skipped; the
  // timer brings the next one.
  if (LinkBusy(link)) return;
  PausedTimer paused(*this);
  WaitCursor wait;
  Refresh(false);
}

void CVirtualRtaDlg::OnSync() {
  PausedTimer paused(*this);
  WaitCursor wait;
  ReadKeyNames();
  Refresh(true);
}

void CVirtualRtaDlg::OnCapture() {
  PausedTimer paused(*this);
  switch (settings.captureMode) {
    case panel::kCaptureToClipboard:
      panel::CaptureToClipboard(picture);
      break;
    case panel::kCaptureToBitmapFile:
      panel::CaptureToBitmapFile(this, bitmapBits.data());
      break;
    case panel::kCaptureToPrinter:
      panel::CaptureToPrinter(this, Printer(), picture, settings.printSize);
      break;
    default:
      break;
  }
}

void CVirtualRtaDlg::OnOptions() {
  PausedTimer paused(*this);
  CVirtualRtaOptionsDlg options(settings, [this] {
    QPageSetupDialog setup(&Printer(), this);
    setup.exec();
  }, this);
  if (options.exec() == QDialog::Accepted) settings = options.Settings();
}

// While the analyzer is silent the panel says so and updates seldom, so
// that each update does not wait out the line's time-outs.
void CVirtualRtaDlg::RestartTimer() {
  const bool silent = AnalyzerSilent(link);
  silenceNotice->setVisible(silent);
  const int period = settings.TimerMilliseconds();
  if (period > 0) {
    timer.start(silent ? std::max(period, kSilentRetryMilliseconds) : period);
  } else {
    timer.stop();
  }
}

QPrinter& CVirtualRtaDlg::Printer() {
  if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer;
}

void CVirtualRtaDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.drawRect(kPictureLeft - 1, kPictureTop - 1, talvinet::kScreenWidth + 1, talvinet::kScreenHeight + 1);
  painter.drawImage(kPictureLeft, kPictureTop, picture);
}
