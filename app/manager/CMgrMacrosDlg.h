// The Instrument Manager's "Macros" page: the analyzer's defined macros, which
// one runs or is being recorded, and the one schedule.
#pragma once

#include <QDateTime>
#include <functional>

#include "manager/StateListPage.h"
#include "talvinet/Talvinet.h"

class AnalyzerLink;

struct MacroButtonStates {
  bool execute = false;
  bool abort = false;
  bool schedule = false;
  bool operator==(const MacroButtonStates&) const = default;
};

inline constexpr std::uint8_t kNoMacroSelected = 123;

// Nothing may be done while a macro is being recorded; the running macro
// can be aborted; another one can be started only when none runs.
MacroButtonStates MacroButtonsFor(std::uint8_t selected, const MacroStruct& macros);

// The Schedule column: the schedule's day and time in the current month,
// "%d %b %y  %H:%M:%S".
QString ScheduleText(const MacroStruct& macros, const QDate& today);

class CMgrMacrosDlg : public StateListPage {
  Q_OBJECT

 public:
  explicit CMgrMacrosDlg(AnalyzerLink& link, QWidget* parent = nullptr);

  void OnSetActive() override;
  void Refresh();
  // The computer's local time; tests substitute a fixed one.
  void SetClock(std::function<QDateTime()> now) { computerClock = std::move(now); }

 private:
  void OnSelectionChanged() override;
  void ShowButtons(const MacroButtonStates& states);
  void OnExecute();
  void OnAbort();
  void OnSchedule();

  AnalyzerLink& link;
  std::function<QDateTime()> computerClock = [] { return QDateTime::currentDateTime(); };
  MacroStruct macros{};
  std::uint8_t selectedMacro = kNoMacroSelected;
  QPushButton* execute;
  QPushButton* abort;
  QPushButton* schedule;
};
