#include "connect/CConnectDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/UserPrompts.h"
#include "talvinet/ByteChannel.h"

namespace {
constexpr int kPortListRows = 4;
constexpr int kPortListMaximumWidth = 560;
constexpr int kPortListPadding = 40;  // the columns' margins and the frame

// The port's description, marked when another program holds the port, so
// the user picks another before Connect is refused.
QString DescriptionWithClaim(const serialports::SerialPortEntry& port) {
  const QString description = QString::fromStdString(serialports::PortDescription(port));
  if (!talvinet::IsDeviceClaimed(port.device)) return description;
  const QString mark = QStringLiteral("in use by another program");
  return description.isEmpty() ? mark : description + QStringLiteral(" (") + mark + QLatin1Char(')');
}
}  // namespace

CConnectDlg::CConnectDlg(settings::Store& store, QWidget* parent,
                         const std::vector<serialports::SerialPortEntry>& ports)
    : QDialog(parent), loaded(ReadConnectionChoice(store)) {
  setObjectName(QStringLiteral("connectDialog"));
  setWindowTitle(QStringLiteral("Connect"));
  for (const ListEntry& port : ComPorts()) comDevices << ReadComDevice(store, port.value);

  instrument = AddList("Instrument", InstrumentModels(), loaded.instrument);
  comPort = AddList("ComPort", ComPorts(), loaded.comPort);
  baudRate = AddList("BaudRate", BaudRates(), loaded.baudRate);
  parallelPortAddress = AddList("ParallelPortAddress", ParallelPortAddresses(), loaded.parallelPortAddress);
  comDevice = new QLineEdit(this);
  comDevice->setObjectName(QStringLiteral("ComDevice"));
  comDevice->setToolTip(QStringLiteral("Device file of the chosen COM port"));
  serialPorts = AddPortList(ports);

  auto* group = new QGroupBox(QStringLiteral("Connection Parameters"), this);
  auto* form = new QFormLayout(group);
  form->addRow(QStringLiteral("Instrument"), instrument);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(comPort);
  portRow->addWidget(comDevice, 1);
  form->addRow(QStringLiteral("Com Port"), portRow);
  form->addRow(QStringLiteral("Serial Ports"), serialPorts);
  form->addRow(QStringLiteral("Baud Rate"), baudRate);
  form->addRow(QStringLiteral("Parallel Port Address"), parallelPortAddress);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* connectButton = buttons->addButton(QStringLiteral("&Connect"), QDialogButtonBox::AcceptRole);
  connectButton->setObjectName(QStringLiteral("connectButton"));
  connectButton->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CConnectDlg::OnConnectClicked);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  failure = new QLabel(this);
  failure->setObjectName(QStringLiteral("connectFailure"));
  failure->setWordWrap(true);
  failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
  failure->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(failure);
  layout->addWidget(buttons);

  connect(instrument, &QComboBox::currentIndexChanged, this, &CConnectDlg::ApplyEnablingRule);
  connect(comPort, &QComboBox::currentIndexChanged, this, &CConnectDlg::ShowDeviceOfSelectedPort);
  ShowDeviceOfSelectedPort();
  ApplyEnablingRule();
}

QComboBox* CConnectDlg::AddList(const char* objectName, const std::vector<ListEntry>& entries, int loadedValue) {
  auto* list = new QComboBox(this);
  list->setObjectName(QLatin1String(objectName));
  for (const ListEntry& entry : entries) list->addItem(QString::fromLatin1(entry.text), entry.value);
  list->setCurrentIndex(std::max(0, list->findData(loadedValue)));
  return list;
}

void CConnectDlg::ApplyEnablingRule() {
  const bool parallel = IsParallelModel(instrument->currentData().toInt());
  parallelPortAddress->setEnabled(parallel);
  comPort->setEnabled(!parallel);
  baudRate->setEnabled(!parallel);
  comDevice->setEnabled(!parallel);
  serialPorts->setEnabled(!parallel);
}

QTreeWidget* CConnectDlg::AddPortList(const std::vector<serialports::SerialPortEntry>& ports) {
  auto* list = new QTreeWidget(this);
  list->setObjectName(QStringLiteral("SerialPorts"));
  list->setToolTip(QStringLiteral("The serial ports of this computer; choose one to use its device file"));
  list->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Description")});
  list->setRootIsDecorated(false);
  list->setAllColumnsShowFocus(true);
  list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (const serialports::SerialPortEntry& port : ports) {
    const QString device = QString::fromStdString(serialports::OneLine(port.device));
    auto* item = new QTreeWidgetItem(list, {device, DescriptionWithClaim(port)});
    item->setToolTip(1, item->text(1));
  }
  // Wide enough for the ports' descriptions, up to a sensible limit.
  int widest = 0;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(item->text(0) + item->text(1)));
  }
  list->setMinimumWidth(std::min(widest + kPortListPadding, kPortListMaximumWidth));
  const int rowHeight = list->fontMetrics().height() + 4;
  list->setFixedHeight(list->header()->sizeHint().height() + kPortListRows * rowHeight + 2 * list->frameWidth());
  // A click or the keyboard's Enter on a port puts its device file in the field.
  const auto useDevice = [this](QTreeWidgetItem* item) { comDevice->setText(item->text(0)); };
  connect(list, &QTreeWidget::itemClicked, this, useDevice);
  connect(list, &QTreeWidget::itemActivated, this, useDevice);
  return list;
}

void CConnectDlg::ShowDeviceOfSelectedPort() {
  // Keep an edit made for the port shown before, so switching back finds it.
  if (shownDevicePort > 0) comDevices[shownDevicePort - 1] = comDevice->text();
  shownDevicePort = comPort->currentData().toInt();
  comDevice->setText(comDevices.value(shownDevicePort - 1));
}

void CConnectDlg::OnConnectClicked() {
  if (!connectAttempt) {
    accept();
    return;
  }
  setEnabled(false);
  const QString reason = connectAttempt(Choice());
  setEnabled(true);
  if (reason.isEmpty()) {
    accept();
    return;
  }
  // Said as before in a message box, and kept in the dialog while the user
  // mends the port or the baud rate.
  prompts::Show(this, reason, prompts::Icon::Warning);
  failure->setText(reason);
  failure->show();
}

QString CConnectDlg::FailureText() const { return failure->isHidden() ? QString() : failure->text(); }

ConnectionChoice CConnectDlg::Choice() const {
  auto selected = [](const QComboBox* list, int fallback) {
    return list->currentIndex() < 0 ? fallback : list->currentData().toInt();
  };
  ConnectionChoice choice;
  choice.instrument = selected(instrument, loaded.instrument);
  choice.comPort = selected(comPort, loaded.comPort);
  choice.baudRate = selected(baudRate, loaded.baudRate);
  choice.parallelPortAddress = selected(parallelPortAddress, loaded.parallelPortAddress);
  choice.comDevice = comDevice->text().trimmed();
  if (choice.comDevice.isEmpty()) choice.comDevice = DefaultComDevice(choice.comPort);
  return choice;
}
