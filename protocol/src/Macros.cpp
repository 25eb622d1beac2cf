// The analyzer's ten macros: their states and schedule, and running,
// aborting and scheduling them with the checks that refuse unsafe runs.
#include <cstring>

#include "DecimalValue.h"
#include "RemoteBracket.h"
#include "ReplyParsers.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr int kMacroReplyRoom = 128;
// The macro reply counts ten state lines, and one schedule line when a
// macro is scheduled.
constexpr long kLinesWithoutSchedule = 10;
constexpr long kLinesWithSchedule = 11;
constexpr int kCancelSchedule = 10;

}  // namespace

int Talvinet::GetMacroInfo(MacroStruct* macro, int remote) {
  if (macro == nullptr) return 0;
  std::memset(macro, 0, sizeof *macro);
  RemoteBracket bracket(*this, remote);
  char line[kMacroReplyRoom + 1] = {};
  if (!QueryLine("QMA\r\n", line, kMacroReplyRoom)) return 0;
  const long count = DecimalValue(line);
  if (count != kLinesWithoutSchedule && count != kLinesWithSchedule) return 0;
  macro->running = kNoMacro;
  macro->recording = kNoMacro;
  macro->scheduledMacro = kNoMacro;
  for (int i = 0; i < count; ++i) {
    int stored = 0;
    ReadStr(line, &stored, kMacroReplyRoom);
    if (stored <= 0) return 0;
    ReadMacroLine(*macro, i, line, stored);
  }
  return 1;
}

int Talvinet::IsMacroIDValid(unsigned char id) {
  if (id < kMacroCount) return 1;
  errorNumber = kRefusedMacroId;
  return 0;
}

int Talvinet::IsSafeToExecuteMacro(const MacroStruct* macro) {
  if (macro == nullptr) return 0;
  if (macro->running != kNoMacro) {
    errorNumber = kRefusedMacroRunning;
    return 0;
  }
  if (macro->recording != kNoMacro) {
    errorNumber = kRefusedMacroRecording;
    return 0;
  }
  return 1;
}

int Talvinet::IsMacroRunning(unsigned char id, int remote) {
  MacroStruct macro;
  if (GetMacroInfo(&macro, remote) == 0) return 0;
  if (id == kNoMacro) return macro.running != kNoMacro ? 1 : 0;
  return macro.running == id ? 1 : 0;
}

// An invalid number is refused before anything is sent.
int Talvinet::ExecuteMacro(unsigned char id, int remote) {
  if (IsMacroIDValid(id) == 0) return 0;
  RemoteBracket bracket(*this, remote);
  MacroStruct macro;
  if (GetMacroInfo(&macro, 0) == 0 || IsSafeToExecuteMacro(&macro) == 0) return 0;
  return SendFormattedCommand(0, "MA %d\r\n", id);
}

// Only an answer that names no running macro shows the abort took.
int Talvinet::AbortMacro(int remote) {
  RemoteBracket bracket(*this, remote);
  if (SendFormattedCommand(0, "AM\r\n") == 0) return 0;
  MacroStruct macro;
  return GetMacroInfo(&macro, 0) != 0 && macro.running == kNoMacro ? 1 : 0;
}

int Talvinet::ScheduleMacro(unsigned char id, unsigned char day, unsigned char hour, unsigned char minute,
                            unsigned char second, int remote) {
  return SendFormattedCommand(remote, "MS %1.1d,%2.2d,%2.2d,%2.2d,%2.2d\r\n", id, day, hour, minute, second);
}

// Cancelled once the macro reply holds no schedule line.
int Talvinet::CancelScheduledMacro(int remote) {
  RemoteBracket bracket(*this, remote);
  if (SendFormattedCommand(0, "MS %d\r\n", kCancelSchedule) == 0) return 0;
  char line[kMacroReplyRoom + 1] = {};
  if (!QueryLine("QMA\r\n", line, kMacroReplyRoom)) return 0;
  return DecimalValue(line) == kLinesWithoutSchedule ? 1 : 0;
}
