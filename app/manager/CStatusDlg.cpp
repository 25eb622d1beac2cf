#include "manager/CStatusDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "talvinet/HostTexts.h"

namespace {

// "%d/%m/%y %H:%M:%S", as the analyzer's clock command takes it.
QString AnalyzerClockText(const QDateTime& time) {
  return QLocale::c().toString(time, QStringLiteral("dd/MM/yy HH:mm:ss"));
}

// "%d %b %y %H:%M:%S" in upper case, as the analyzer shows its own clock.
QString ComputerClockText(const QDateTime& time) {
  return QLocale::c().toString(time, QStringLiteral("dd MMM yy HH:mm:ss")).toUpper();
}

QString BatteryText(const QString& volts) {
  return volts + strings::LoadString(strings::kVoltsSuffix) +
         QLatin1String(talvinet::BatteryVerdict(volts.toLatin1().constData()));
}

}  // namespace

CStatusDlg::CStatusDlg(AnalyzerLink& analyzer, QWidget* parent)
    : PropertyPage(parent), link(analyzer), clockTimer(new QTimer(this)) {
  setObjectName(QStringLiteral("statusPage"));
  clockTimer->setObjectName(QStringLiteral("clockTimer"));
  clockTimer->setInterval(kClockPeriodMilliseconds);
  connect(clockTimer, &QTimer::timeout, this, &CStatusDlg::RefreshClocks);

  systemId = AddField(QStringLiteral("systemId"));
  serialNumber = AddField(QStringLiteral("serialNumber"));
  instrumentDate = AddField(QStringLiteral("instrumentDate"));
  memoryUsed = AddField(QStringLiteral("memoryUsed"));
  memoryFree = AddField(QStringLiteral("memoryFree"));
  firmwareVersion = AddField(QStringLiteral("firmwareVersion"));
  computerDate = AddField(QStringLiteral("computerDate"));
  battery = AddField(QStringLiteral("battery"));

  auto* identity = new QFormLayout;
  identity->addRow(QStringLiteral("System ID:"), systemId);
  identity->addRow(QStringLiteral("Serial Number:"), serialNumber);
  identity->addRow(QStringLiteral("Firmware Version:"), firmwareVersion);
  identity->addRow(QStringLiteral("Battery:"), battery);
  identity->addRow(QStringLiteral("Memory Free:"), memoryFree);
  identity->addRow(QStringLiteral("Memory Used:"), memoryUsed);

  auto* synchronize = new QPushButton(QStringLiteral("&Synchronize"), this);
  synchronize->setObjectName(QStringLiteral("synchronizeButton"));
  connect(synchronize, &QPushButton::clicked, this, &CStatusDlg::OnSynchronize);
  auto* clocks = new QVBoxLayout;
  clocks->addWidget(new QLabel(QStringLiteral("Instrument Date"), this));
  clocks->addWidget(instrumentDate);
  clocks->addWidget(new QLabel(QStringLiteral("Computer Date"), this));
  clocks->addWidget(computerDate);
  clocks->addWidget(synchronize, 0, Qt::AlignLeft);
  clocks->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(identity, 3);
  layout->addSpacing(12);
  layout->addLayout(clocks, 2);
}

QLabel* CStatusDlg::AddField(const QString& name) {
  auto* field = new QLabel(this);
  field->setObjectName(name);
  field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  field->setMinimumWidth(150);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return field;
}

void CStatusDlg::OnSetActive() {
  RefreshIdentity();
  clockTimer->start();
}

void CStatusDlg::hideEvent(QHideEvent* event) {
  clockTimer->stop();
  PropertyPage::hideEvent(event);
}

void CStatusDlg::RefreshIdentity() {
  WaitCursor wait;
  firmwareVersion->setText(link.GetFirmwareVersion());
  serialNumber->setText(link.GetSerialNumber());
  systemId->setText(link.GetSystemID());
  QString text;
  if (link.IsDeodar()) {
    battery->setText(strings::LoadString(strings::kNotAvailable));
  } else if (link.GetBatteryVoltage(text, 1)) {
    battery->setText(BatteryText(text));
  }
  const QString bytes = strings::LoadString(strings::kBytesSuffix);
  if (link.GetMemoryFree(text, 1)) memoryFree->setText(text + bytes);
  if (link.GetMemoryUsed(text, 1)) memoryUsed->setText(text + bytes);
}

void CStatusDlg::RefreshClocks() {
  QString date;
  QString time;
  if (link.GetDateAndTime(date, time, 1)) instrumentDate->setText(date + QLatin1Char(' ') + time);
  computerDate->setText(ComputerClockText(computerClock()));
}

void CStatusDlg::OnSynchronize() {
  const QString now = AnalyzerClockText(computerClock());
  if (!WhileWaiting([&] { return link.SetDateAndTime(now, 1); })) prompts::ShowMessage(this, strings::kSynchronizeFailed);
}
