#include "manager/CStatusDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "link/LinkHealth.h"
#include "link/LinkWorker.h"
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

  silenceNotice = new QLabel(NotAnsweringNotice(), this);
  silenceNotice->setObjectName(QStringLiteral("silenceNotice"));
  silenceNotice->hide();

  auto* columns = new QHBoxLayout;
  columns->addLayout(identity, 3);
  columns->addSpacing(12);
  columns->addLayout(clocks, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(silenceNotice);
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

void CStatusDlg::ShowRead(QLabel* field, bool read, const QString& text) {
  if (read) {
    field->setText(text);
  } else {
    field->clear();
  }
}

// A value that could not be read now is not shown as current.
void CStatusDlg::RefreshIdentity() {
  WaitCursor wait;
  firmwareVersion->setText(link.GetFirmwareVersion());
  serialNumber->setText(link.GetSerialNumber());
  systemId->setText(link.GetSystemID());
  QString text;
  if (link.IsDeodar()) {
    battery->setText(strings::LoadString(strings::kNotAvailable));
  } else {
    const bool read = link.GetBatteryVoltage(text, 1);
    ShowRead(battery, read, BatteryText(text));
  }
  const QString bytes = strings::LoadString(strings::kBytesSuffix);
  bool read = link.GetMemoryFree(text, 1);
  ShowRead(memoryFree, read, text + bytes);
  read = link.GetMemoryUsed(text, 1);
  ShowRead(memoryUsed, read, text + bytes);
  FollowSilence();
}

void CStatusDlg::FollowSilence() {
  const bool silent = AnalyzerSilent(link);
  silenceNotice->setVisible(silent);
  clockTimer->setInterval(silent ? kSilentRetryMilliseconds : kClockPeriodMilliseconds);
}

void CStatusDlg::RefreshClocks() {
  // A tick that comes while another call runs is skipped: the clocks are
  // read again a second later.
  if (LinkBusy(link)) return;
  const QPointer<CStatusDlg> alive(this);
  QString date;
  QString time;
  const bool read = link.GetDateAndTime(date, time, 1);
  if (!alive) return;
  ShowRead(instrumentDate, read, date + QLatin1Char(' ') + time);
  computerDate->setText(ComputerClockText(computerClock()));
  FollowSilence();
}

void CStatusDlg::OnSynchronize() {
  const QString now = AnalyzerClockText(computerClock());
  // A clock command counts as sent even when the analyzer never confirmed it.
  const bool set = WhileWaiting([&] { return link.SetDateAndTime(now, 1); });
  if (!set || AnalyzerSilent(link)) prompts::ShowMessage(this, strings::kSynchronizeFailed);
}
