#include "panel/CVirtualRtaOptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

CVirtualRtaOptionsDlg::CVirtualRtaOptionsDlg(const panel::PanelSettings& current, std::function<void()> setup,
                                             QWidget* parent)
    : QDialog(parent), initial(current) {
  setObjectName(QStringLiteral("virtualRtaOptions"));
  setWindowTitle(QStringLiteral("Virtual RTA Options"));

  auto* updates = new QGroupBox(QStringLiteral("Screen Update"), this);
  keypressUpdate = Named(new QCheckBox(QStringLiteral("After Each &Keypress"), updates), "keypressUpdate");
  timedUpdate = Named(new QCheckBox(QStringLiteral("&Automatically every"), updates), "timedUpdate");
  seconds = Named(new QLineEdit(QString::number(current.updateSeconds), updates), "updateSeconds");
  seconds->setMaximumWidth(48);
  changesOnly = Named(new QCheckBox(QStringLiteral("Display changes only (fast)"), updates), "changesOnly");
  auto* timedRow = new QHBoxLayout;
  timedRow->addWidget(timedUpdate);
  timedRow->addWidget(seconds);
  timedRow->addWidget(new QLabel(QStringLiteral("seconds"), updates));
  timedRow->addStretch();
  auto* updatesLayout = new QVBoxLayout(updates);
  updatesLayout->addWidget(keypressUpdate);
  updatesLayout->addLayout(timedRow);
  updatesLayout->addWidget(changesOnly);

  auto* capture = new QGroupBox(QStringLiteral("Capture"), this);
  toClipboard = Named(new QRadioButton(QStringLiteral("&Copy to the clipboard"), capture), "toClipboard");
  toBitmapFile = Named(new QRadioButton(QStringLiteral("&Save as a bitmap file"), capture), "toBitmapFile");
  toPrinter = Named(new QRadioButton(QStringLiteral("&Print"), capture), "toPrinter");
  auto* modes = new QButtonGroup(this);
  modes->addButton(toClipboard, panel::kCaptureToClipboard);
  modes->addButton(toBitmapFile, panel::kCaptureToBitmapFile);
  modes->addButton(toPrinter, panel::kCaptureToPrinter);
  printSize = Named(new QSlider(Qt::Horizontal, capture), "printSize");
  printSize->setRange(panel::kSmallestPrintSize, panel::kLargestPrintSize);
  printSize->setPageStep(1);
  printSize->setTickPosition(QSlider::TicksBelow);
  printSize->setValue(current.printSize);
  smallLabel = new QLabel(QStringLiteral("Small"), capture);
  largeLabel = new QLabel(QStringLiteral("Large"), capture);
  printerSetup = Named(new QPushButton(QStringLiteral("P&rinter Setup"), capture), "printerSetup");
  auto* captureLayout = new QGridLayout(capture);
  captureLayout->addWidget(toClipboard, 0, 0, 1, 3);
  captureLayout->addWidget(toBitmapFile, 1, 0, 1, 3);
  captureLayout->addWidget(toPrinter, 2, 0, 1, 3);
  captureLayout->addWidget(new QLabel(QStringLiteral("Print Size:"), capture), 3, 0, 1, 3);
  captureLayout->addWidget(smallLabel, 4, 0);
  captureLayout->addWidget(printSize, 4, 1);
  captureLayout->addWidget(largeLabel, 4, 2);
  captureLayout->addWidget(printerSetup, 5, 0, 1, 3, Qt::AlignRight);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(updates);
  layout->addWidget(capture);
  layout->addWidget(buttons);

  keypressUpdate->setChecked(current.keypressUpdate != 0);
  timedUpdate->setChecked(current.timedUpdate != 0);
  changesOnly->setChecked(current.changesOnly != 0);
  if (QAbstractButton* mode = modes->button(current.captureMode)) {
    mode->setChecked(true);
  } else {
    toClipboard->setChecked(true);
  }
  connect(timedUpdate, &QCheckBox::toggled, this, &CVirtualRtaOptionsDlg::UpdateEnabling);
  connect(toPrinter, &QRadioButton::toggled, this, &CVirtualRtaOptionsDlg::UpdateEnabling);
  connect(printerSetup, &QPushButton::clicked, this, [setup] {
    if (setup) setup();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  UpdateEnabling();
}

void CVirtualRtaOptionsDlg::UpdateEnabling() {
  seconds->setEnabled(timedUpdate->isChecked());
  for (QWidget* printing : {static_cast<QWidget*>(printSize), static_cast<QWidget*>(smallLabel),
                            static_cast<QWidget*>(largeLabel), static_cast<QWidget*>(printerSetup)})
    printing->setEnabled(toPrinter->isChecked());
}

panel::PanelSettings CVirtualRtaOptionsDlg::Settings() const {
  panel::PanelSettings chosen = initial;
  chosen.keypressUpdate = keypressUpdate->isChecked() ? 1 : 0;
  chosen.timedUpdate = timedUpdate->isChecked() ? 1 : 0;
  // The field's leading decimal number, 0 when it has none; the timer treats
  // 0 and less as off.
  const long value = std::strtol(seconds->text().toLatin1().constData(), nullptr, 10);
  chosen.updateSeconds = static_cast<int>(std::clamp<long>(value, 0, std::numeric_limits<int>::max()));
  chosen.changesOnly = changesOnly->isChecked() ? 1 : 0;
  chosen.captureMode = toPrinter->isChecked()      ? panel::kCaptureToPrinter
                       : toBitmapFile->isChecked() ? panel::kCaptureToBitmapFile
                                                   : panel::kCaptureToClipboard;
  chosen.printSize = printSize->value();
  return chosen;
}
