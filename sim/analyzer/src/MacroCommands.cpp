// The ten macros: their states, running and aborting one, and the schedule.
#include <cstdio>
#include <string>
#include <vector>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

// "MS 10" cancels the schedule.
constexpr int kCancelSchedule = 10;

Macros& MacrosOf(CommandContext& c) { return c.state.settings.macros; }

// "n state running recording" per macro, then "m dd hh:mm:ss" when one is
// scheduled, all counted by a first line.
int ReportMacros(CommandContext& c) {
  const Macros& macros = MacrosOf(c);
  std::vector<std::string> lines;
  char text[32];
  for (int i = 0; i < kMacroCount; ++i) {
    std::snprintf(text, sizeof text, "%d %d %d %d", i, macros.state[i] % 10, macros.running == i ? 1 : 0,
                  macros.recording == i ? 1 : 0);
    lines.emplace_back(text);
  }
  if (const auto& s = macros.schedule) {
    std::snprintf(text, sizeof text, "%d %02d %02d:%02d:%02d", s->macro, s->day, s->hour, s->minute, s->second);
    lines.emplace_back(text);
  }
  c.reply.CountedListing(lines);
  return error::kNone;
}

// A macro runs until it is aborted.
int RunMacro(CommandContext& c) {
  const auto id = Numbers(c.arguments);
  if (!id || id->size() != 1 || id->front() < 0 || id->front() >= kMacroCount) return error::kBadArgument;
  Macros& macros = MacrosOf(c);
  if (macros.state[id->front()] == 0) return error::kNoSuchMacro;
  if (macros.running || macros.recording) return error::kMacroBusy;
  macros.running = id->front();
  return error::kNone;
}

int AbortMacro(CommandContext& c) {
  MacrosOf(c).running.reset();
  return error::kNone;
}

// "MS id,dd,hh,mm,ss" schedules, "MS 10" cancels.
int ScheduleMacro(CommandContext& c) {
  const auto values = Numbers(c.arguments);
  if (values && values->size() == 1 && values->front() == kCancelSchedule) {
    MacrosOf(c).schedule.reset();
    return error::kNone;
  }
  if (!values || values->size() != 5) return error::kBadArgument;
  const MacroSchedule s{(*values)[0], (*values)[1], (*values)[2], (*values)[3], (*values)[4]};
  if (s.macro < 0 || s.macro >= kMacroCount || s.day < 1 || s.day > 31 || s.hour < 0 || s.hour > 23 || s.minute < 0 ||
      s.minute > 59 || s.second < 0 || s.second > 59) {
    return error::kBadArgument;
  }
  if (MacrosOf(c).state[s.macro] == 0) return error::kNoSuchMacro;
  MacrosOf(c).schedule = s;
  return error::kNone;
}

}  // namespace

void AddMacroCommands(CommandTable& table) {
  table.emplace("QMA", ReportMacros);
  table.emplace("MA", RunMacro);
  table.emplace("AM", AbortMacro);
  table.emplace("MS", ScheduleMacro);
}

}  // namespace simanalyzer
