// "Macro Scheduler": a day of the current month and a time of day for a
// macro to run, or Clear to drop its schedule.
#pragma once

#include <QDateTime>
#include <QDialog>

class QCalendarWidget;
class QTimeEdit;

struct MacroScheduleChoice {
  int day = 0;  // 1-31, or 0 after Clear
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class CMacroSchedulerDlg : public QDialog {
  Q_OBJECT

 public:
  // Opens on `now`; only the days of its month can be chosen.
  explicit CMacroSchedulerDlg(const QDateTime& now, QWidget* parent = nullptr);

  // What OK or Clear chose.
  MacroScheduleChoice Choice() const { return choice; }

 private:
  void OnOk();
  void OnClear();

  QCalendarWidget* calendar;
  QTimeEdit* runTime;
  MacroScheduleChoice choice;
};
