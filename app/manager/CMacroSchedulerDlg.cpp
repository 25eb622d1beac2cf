#include "manager/CMacroSchedulerDlg.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

CMacroSchedulerDlg::CMacroSchedulerDlg(const QDateTime& now, QWidget* parent)
    : QDialog(parent), calendar(new QCalendarWidget(this)), runTime(new QTimeEdit(now.time(), this)) {
  setObjectName(QStringLiteral("macroSchedulerDialog"));
  setWindowTitle(QStringLiteral("Macro Scheduler"));
  const QDate today = now.date();
  calendar->setObjectName(QStringLiteral("calendar"));
  // The real calendar's month lengths: February 2100 has 28 days.
  calendar->setDateRange(QDate(today.year(), today.month(), 1),
                         QDate(today.year(), today.month(), today.daysInMonth()));
  calendar->setSelectedDate(today);
  calendar->setNavigationBarVisible(false);
  calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  runTime->setObjectName(QStringLiteral("runTime"));
  runTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));

  auto* timeGroup = new QGroupBox(QStringLiteral("Scheduled Run Time"), this);
  auto* timeLayout = new QVBoxLayout(timeGroup);
  runTime->setParent(timeGroup);
  timeLayout->addWidget(runTime);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  QPushButton* clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ResetRole);
  clear->setObjectName(QStringLiteral("clearButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CMacroSchedulerDlg::OnOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(clear, &QPushButton::clicked, this, &CMacroSchedulerDlg::OnClear);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select which day of this month you want the macro ro run."), this));
  layout->addWidget(calendar);
  layout->addWidget(timeGroup);
  layout->addWidget(buttons);
}

void CMacroSchedulerDlg::OnOk() {
  const QTime time = runTime->time();
  choice = {calendar->selectedDate().day(), time.hour(), time.minute(), time.second()};
  accept();
}

void CMacroSchedulerDlg::OnClear() {
  choice = MacroScheduleChoice{};
  accept();
}
