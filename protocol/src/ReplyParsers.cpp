#include "ReplyParsers.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "DecimalValue.h"

namespace talvinet {
namespace {

// Longer fields hold no number a setting could have.
constexpr std::size_t kLongestNumber = 40;

constexpr int kMacroLineBytes = 9;
constexpr int kScheduleLineBytes = 15;
constexpr int kScheduleLineIndex = 10;
constexpr int kMacroStateColumn = 2;
constexpr int kMacroRunningColumn = 4;
constexpr int kMacroRecordingColumn = 6;
constexpr int kScheduledMacroColumn = 0;
constexpr int kScheduleColumns[] = {2, 5, 8, 11};

constexpr int kSetupLineBytes = 13;
constexpr std::size_t kSetupNameLength = 7;
constexpr int kSetupUsedColumn = 8;
constexpr int kSetupBootColumn = 10;

std::string NumberText(std::string_view field) { return std::string(field.substr(0, kLongestNumber)); }

std::uint8_t ByteValue(const char* text) { return static_cast<std::uint8_t>(DecimalValue(text)); }

}  // namespace

std::vector<std::string_view> CommaFields(const char* line) {
  std::string_view rest(line);
  rest = rest.substr(0, rest.find_first_of("\r\n"));
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t comma = rest.find(',');
    fields.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    rest.remove_prefix(comma + 1);
  }
}

long FieldValue(std::string_view field) { return DecimalValue(NumberText(field).c_str()); }

double FieldFraction(std::string_view field) { return std::strtod(NumberText(field).c_str(), nullptr); }

std::string_view FieldAt(const std::vector<std::string_view>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string_view();
}

void ReadMacroLine(MacroStruct& macro, int index, const char* line, int count) {
  if (index >= 0 && index < kMacroCount && count == kMacroLineBytes) {
    macro.macroState[index] = ByteValue(line + kMacroStateColumn);
    if (DecimalValue(line + kMacroRunningColumn) == 1) macro.running = static_cast<std::uint8_t>(index);
    if (DecimalValue(line + kMacroRecordingColumn) == 1) macro.recording = static_cast<std::uint8_t>(index);
  } else if (index == kScheduleLineIndex && count == kScheduleLineBytes) {
    macro.scheduledMacro = ByteValue(line + kScheduledMacroColumn);
    for (std::size_t i = 0; i < std::size(kScheduleColumns); ++i) {
      macro.schedule[i] = ByteValue(line + kScheduleColumns[i]);
    }
  }
}

void ReadSetupLine(SetupStruct& setups, int index, const char* line, int count) {
  if (index < 0 || index >= kSetupCount || count != kSetupLineBytes) return;
  char* name = setups.setupName[index];
  const std::size_t length = ::strnlen(line, kSetupNameLength);
  std::memcpy(name, line, length);
  name[length] = '\0';
  setups.setupUsed[index] = static_cast<std::int32_t>(DecimalValue(line + kSetupUsedColumn));
  setups.setupBoot[index] = static_cast<std::int32_t>(DecimalValue(line + kSetupBootColumn));
}

}  // namespace talvinet
