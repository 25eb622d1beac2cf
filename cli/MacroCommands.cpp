// verda macros and verda macro: the analyzer's macros, running, aborting
// and scheduling them.
#include <cstdio>
#include <iostream>
#include <vector>

#include "AnalyzerSession.h"
#include "talvinet/HostTexts.h"

namespace verda {
namespace {

const char* MacroCondition(const MacroStruct& macros, int id) {
  if (macros.running == id) return "running";
  if (macros.recording == id) return "recording";
  return "idle";
}

int RunMacros(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kMacrosCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  MacroStruct macros;
  if (session.Analyzer().GetMacroInfo(&macros, 0) == 0) {
    return Fail(kExitFailure, "the analyzer did not tell its macros");
  }
  for (int id = 0; id < talvinet::kMacroCount; ++id) {
    if (macros.macroState[id] == 0) continue;
    char schedule[32] = "-";
    if (macros.scheduledMacro == id) {
      std::snprintf(schedule, sizeof schedule, "%02u %02u:%02u:%02u", macros.schedule[0], macros.schedule[1],
                    macros.schedule[2], macros.schedule[3]);
    }
    std::cout << id << '\t' << MacroCondition(macros, id) << '\t' << schedule << '\n';
  }
  return kExitSuccess;
}

// The refusal's own text, or `failure` for any other status.
int MacroFailure(Talvinet& analyzer, const std::string& failure) {
  const char* refusal = talvinet::MacroRefusalText(analyzer.GetErrno());
  return Fail(kExitFailure, refusal != nullptr ? refusal : failure);
}

struct TimeOfDay {
  int hour;
  int minute;
  int second;
};

std::optional<TimeOfDay> ParseTimeOfDay(const std::string& text) {
  TimeOfDay time{};
  char end = '\0';
  const int read = std::sscanf(text.c_str(), "%2d:%2d:%2d%c", &time.hour, &time.minute, &time.second, &end);
  if (text.size() != 8 || read != 3 || time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 ||
      time.second < 0 || time.second > 59) {
    return std::nullopt;
  }
  return time;
}

int ScheduleMacro(const std::vector<std::string>& arguments) {
  if (arguments.size() != 4) return UsageError(kMacroCommand, "schedule takes N DAY HH:MM:SS");
  const auto id = NumberArgument(kMacroCommand, "the macro number", arguments[1], 0, 255);
  const auto day = id ? NumberArgument(kMacroCommand, "the day of the month", arguments[2], 1, 31) : std::nullopt;
  if (!day) return kExitUsage;
  const auto time = ParseTimeOfDay(arguments[3]);
  if (!time) return UsageError(kMacroCommand, "the time is HH:MM:SS, not '" + arguments[3] + "'");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  const auto macro = static_cast<unsigned char>(*id);
  if (analyzer.IsMacroIDValid(macro) == 0 ||
      analyzer.ScheduleMacro(macro, static_cast<unsigned char>(*day), static_cast<unsigned char>(time->hour),
                             static_cast<unsigned char>(time->minute), static_cast<unsigned char>(time->second),
                             0) == 0) {
    return MacroFailure(analyzer, "the macro could not be scheduled");
  }
  return kExitSuccess;
}

int RunMacro(std::vector<std::string> arguments) {
  const std::string action = arguments.empty() ? "" : arguments[0];
  if (action == "schedule") return ScheduleMacro(arguments);
  if (action == "run") {
    if (arguments.size() != 2) return UsageError(kMacroCommand, "run takes one macro number");
    const auto id = NumberArgument(kMacroCommand, "the macro number", arguments[1], 0, 255);
    if (!id) return kExitUsage;
    AnalyzerSession session;
    if (!session.Open()) return kExitFailure;
    if (session.Analyzer().ExecuteMacro(static_cast<unsigned char>(*id), 0) == 0) {
      return MacroFailure(session.Analyzer(), "the macro could not be executed");
    }
    return kExitSuccess;
  }
  if (action == "abort" && arguments.size() == 1) {
    return RunAnalyzerAction(
        kMacroCommand, {}, [](Talvinet& a) { return a.AbortMacro(0); }, "the macro could not be aborted");
  }
  if (action == "cancel" && arguments.size() == 1) {
    return RunAnalyzerAction(
        kMacroCommand, {}, [](Talvinet& a) { return a.CancelScheduledMacro(0); },
        "the schedule could not be canceled");
  }
  return UsageError(kMacroCommand, "expects run, abort, schedule or cancel");
}

}  // namespace

extern const Subcommand kMacrosCommand = {
    "macros", "",
    "Lists the defined macros, one a line: number, idle, running or recording,\n"
    "and the schedule as DD HH:MM:SS for the scheduled macro, else '-'.",
    RunMacros};

extern const Subcommand kMacroCommand = {
    "macro", "run N | abort | schedule N DAY HH:MM:SS | cancel",
    "Runs macro N (0 to 9), aborts the running macro, schedules macro N for a\n"
    "day of the current month and a time of day, or cancels the schedule.",
    RunMacro};

}  // namespace verda
