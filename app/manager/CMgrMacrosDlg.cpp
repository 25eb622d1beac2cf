#include "manager/CMgrMacrosDlg.h"

#include <QLocale>
#include <QPushButton>

#include "common/StringTable.h"
#include "common/UserPrompts.h"
#include "common/WaitCursor.h"
#include "link/AnalyzerLink.h"
#include "manager/CMacroSchedulerDlg.h"
#include "manager/ManagerImages.h"
#include "talvinet/HostTexts.h"

namespace {

constexpr int kMacroColumnWidth = 100;
constexpr int kScheduleColumnWidth = 226;

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

int MacroImageFor(int macro, const MacroStruct& macros) {
  if (macro == macros.running) return ManagerImage::kMacroRunning;
  if (macro == macros.recording) return ManagerImage::kMacroRecording;
  return ManagerImage::kMacroIdle;
}

}  // namespace

MacroButtonStates MacroButtonsFor(std::uint8_t selected, const MacroStruct& macros) {
  if (selected == kNoMacroSelected || macros.recording != talvinet::kNoMacro) return {};
  if (selected == macros.running) return {false, true, true};
  return {macros.running == talvinet::kNoMacro, false, true};
}

QString ScheduleText(const MacroStruct& macros, const QDate& today) {
  // Written field by field: the analyzer's day need not exist in this month.
  return QStringLiteral("%1 %2 %3  %4:%5:%6")
      .arg(TwoDigits(macros.schedule[0]), QLocale::c().monthName(today.month(), QLocale::ShortFormat),
           TwoDigits(today.year() % 100), TwoDigits(macros.schedule[1]), TwoDigits(macros.schedule[2]),
           TwoDigits(macros.schedule[3]));
}

CMgrMacrosDlg::CMgrMacrosDlg(AnalyzerLink& analyzer, QWidget* parent)
    : StateListPage(QStringLiteral("macroList"), {QStringLiteral("Macro"), QStringLiteral("Schedule")},
                    {kMacroColumnWidth, kScheduleColumnWidth}, QSize(ManagerImage::kMacroSize, ManagerImage::kMacroSize),
                    parent),
      link(analyzer) {
  setObjectName(QStringLiteral("macrosPage"));
  execute = AddButton(QStringLiteral("Execute"), QStringLiteral("executeButton"));
  abort = AddButton(QStringLiteral("Abort"), QStringLiteral("abortButton"));
  schedule = AddButton(QStringLiteral("Schedule"), QStringLiteral("scheduleButton"));
  QPushButton* refresh = AddButton(QStringLiteral("Refresh"), QStringLiteral("refreshButton"));
  connect(execute, &QPushButton::clicked, this, &CMgrMacrosDlg::OnExecute);
  connect(abort, &QPushButton::clicked, this, &CMgrMacrosDlg::OnAbort);
  connect(schedule, &QPushButton::clicked, this, &CMgrMacrosDlg::OnSchedule);
  connect(refresh, &QPushButton::clicked, this, &CMgrMacrosDlg::Refresh);
  LayOutButtons({execute, abort, schedule, refresh});
  ShowButtons({});
}

void CMgrMacrosDlg::ShowButtons(const MacroButtonStates& states) {
  execute->setEnabled(states.execute);
  abort->setEnabled(states.abort);
  schedule->setEnabled(states.schedule);
}

void CMgrMacrosDlg::OnSetActive() { Refresh(); }

void CMgrMacrosDlg::Refresh() {
  selectedMacro = kNoMacroSelected;
  list->clear();
  ShowButtons({});
  if (!WhileWaiting([this] { return link.GetMacroInfo(macros, 1); })) {
    prompts::ShowMessage(this, strings::kMacrosUnreadable);
    return;
  }
  for (int macro = talvinet::kMacroCount - 1; macro >= 0; --macro) {
    if (macros.macroState[macro] == 0) continue;
    QTreeWidgetItem* item =
        NewItem(QStringLiteral("Macro %1").arg(macro), ManagerImage::MacroImage(MacroImageFor(macro, macros)), macro);
    if (macro == macros.scheduledMacro) item->setText(1, ScheduleText(macros, computerClock().date()));
    list->insertTopLevelItem(0, item);
  }
}

void CMgrMacrosDlg::OnSelectionChanged() {
  selectedMacro = static_cast<std::uint8_t>(SelectedNumber(kNoMacroSelected));
  ShowButtons(MacroButtonsFor(selectedMacro, macros));
}

void CMgrMacrosDlg::OnExecute() {
  const std::uint8_t macro = selectedMacro;
  int status = 0;
  // The page switches remote mode itself: switching back to local mode
  // inside the call would overwrite the refusal's status number.
  const bool executed = WhileWaiting([&] {
    link.SetRemoteMode();
    const bool started = link.ExecuteMacro(macro, 0);
    status = link.GetErrno();
    link.SetLocalMode();
    return started;
  });
  if (executed) {
    Refresh();
    return;
  }
  const char* refusal = talvinet::MacroRefusalText(status);
  if (refusal) {
    prompts::Show(this, QString::fromLatin1(refusal), prompts::Icon::Warning);
  } else {
    prompts::ShowMessage(this, strings::kMacroNotExecuted);
  }
  list->clearSelection();
}

void CMgrMacrosDlg::OnAbort() {
  if (!WhileWaiting([this] { return link.AbortMacro(1); })) prompts::ShowMessage(this, strings::kMacroNotAborted);
  Refresh();
}

void CMgrMacrosDlg::OnSchedule() {
  const std::uint8_t macro = selectedMacro;
  CMacroSchedulerDlg scheduler(computerClock(), this);
  if (scheduler.exec() == QDialog::Accepted) {
    const MacroScheduleChoice choice = scheduler.Choice();
    if (choice.day != 0) {
      if (!WhileWaiting([&] { return link.ScheduleMacro(macro, choice.day, choice.hour, choice.minute, choice.second, 1); }))
        prompts::ShowMessage(this, strings::kMacroNotScheduled);
    } else if (macro == macros.scheduledMacro) {
      if (!WhileWaiting([this] { return link.CancelScheduledMacro(1); }))
        prompts::ShowMessage(this, strings::kMacroScheduleNotCanceled);
    }
  }
  Refresh();
}
