// Run state, data reset, trigger, power, note, beeper, clock, memory and
// battery.
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

InstrumentSettings& Settings(CommandContext& c) { return c.state.settings; }

int Run(CommandContext& c) {
  Settings(c).running = true;
  return error::kNone;
}

int Stop(CommandContext& c) {
  Settings(c).running = false;
  return error::kNone;
}

int ReportRunState(CommandContext& c) {
  c.reply.Line(Settings(c).running ? "RUN" : "STOP");
  return error::kNone;
}

// "RT" resets all data, "RT n" data set n.
int ResetData(CommandContext& c) {
  if (!c.arguments.empty() && !Numbers(c.arguments)) return error::kBadArgument;
  ++Settings(c).resets;
  return error::kNone;
}

int Trigger(CommandContext& c) {
  ++Settings(c).triggers;
  return error::kNone;
}

int PowerOff(CommandContext& c) {
  Settings(c).poweredOff = true;
  return error::kNone;
}

// The analyzer keeps at most 64 characters of a note.
int SetNote(CommandContext& c) {
  const auto note = QuotedText(c.arguments);
  if (!note) return error::kBadArgument;
  Settings(c).note = note->substr(0, kLongestNote);
  return error::kNone;
}

int ReportNote(CommandContext& c) {
  c.reply.Line(Settings(c).note);
  return error::kNone;
}

int SetBeeper(CommandContext& c) {
  const auto bits = Numbers(c.arguments);
  if (!bits || bits->size() != 1) return error::kBadArgument;
  Settings(c).beeper = bits->front();
  return error::kNone;
}

int ReportBeeper(CommandContext& c) {
  c.reply.Line(std::to_string(Settings(c).beeper));
  return error::kNone;
}

// "CK dd/mm/yy HH:MM:SS"; the clock runs on from the time set.
int SetClock(CommandContext& c) {
  std::tm set{};
  char end = '\0';
  const std::string text(c.arguments);
  if (std::sscanf(text.c_str(), "%2d/%2d/%2d %2d:%2d:%2d%c", &set.tm_mday, &set.tm_mon, &set.tm_year, &set.tm_hour,
                  &set.tm_min, &set.tm_sec, &end) != 6) {
    return error::kBadArgument;
  }
  if (set.tm_mday < 1 || set.tm_mday > 31 || set.tm_mon < 1 || set.tm_mon > 12 || set.tm_hour > 23 || set.tm_min > 59 ||
      set.tm_sec > 59 || set.tm_year < 0 || set.tm_hour < 0 || set.tm_min < 0 || set.tm_sec < 0) {
    return error::kBadArgument;
  }
  set.tm_mon -= 1;
  set.tm_year += set.tm_year < 70 ? 100 : 0;
  Settings(c).clockOffset = ::timegm(&set) - c.state.clock();
  return error::kNone;
}

// "07 MAR 26 14:05:00": a 9-character date, a blank, the time.
int ReportClock(CommandContext& c) {
  static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const std::time_t now = AnalyzerTime(c.state);
  std::tm parts{};
  ::gmtime_r(&now, &parts);
  char text[32];
  std::snprintf(text, sizeof text, "%02d %s %02d %02d:%02d:%02d", parts.tm_mday, kMonths[parts.tm_mon],
                parts.tm_year % 100, parts.tm_hour, parts.tm_min, parts.tm_sec);
  c.reply.Line(text);
  return error::kNone;
}

long MemoryUsed(const AnalyzerState& state) {
  long used = 0;
  for (const MemoryFile& file : state.store.Memory().Files()) {
    for (const StoredRecord& record : file.records) used += static_cast<long>(record.bytes.size());
  }
  return used;
}

int ReportMemoryFree(CommandContext& c) {
  c.reply.Line(std::to_string(std::max(0L, kMemoryCapacity - MemoryUsed(c.state))));
  return error::kNone;
}

int ReportMemoryUsed(CommandContext& c) {
  c.reply.Line(std::to_string(MemoryUsed(c.state)));
  return error::kNone;
}

// A Deodar has no battery reading.
int ReportBattery(CommandContext& c) {
  if (IsDeodar(c.state.identity)) return error::kUnknownCommand;
  c.reply.Line(Settings(c).batteryVolts);
  return error::kNone;
}

}  // namespace

void AddSettingsCommands(CommandTable& table) {
  table.emplace("RN", Run);
  table.emplace("SP", Stop);
  table.emplace("QRS", ReportRunState);
  table.emplace("RT", ResetData);
  table.emplace("MT", Trigger);
  table.emplace("TO", PowerOff);
  table.emplace("NO", SetNote);
  table.emplace("QNO", ReportNote);
  table.emplace("BP", SetBeeper);
  table.emplace("QBP", ReportBeeper);
  table.emplace("CK", SetClock);
  table.emplace("QCK", ReportClock);
  table.emplace("QMF", ReportMemoryFree);
  table.emplace("QMU", ReportMemoryUsed);
  table.emplace("QBV", ReportBattery);
}

}  // namespace simanalyzer
