// The eight stored setups: names and flags, recall, store, boot choice,
// and their values, sent and replaced.
#include <cstdio>
#include <string>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {

namespace {

constexpr int kDigitsPerValue = 3;

Setups& SetupsOf(AnalyzerState& state) { return state.settings.setups; }

// The identity's setup count: the number of values in one setup.
std::size_t ValueCount(const AnalyzerState& state) {
  const auto count = Numbers(state.identity.setupCount);
  return count && count->size() == 1 && count->front() > 0 ? static_cast<std::size_t>(count->front()) : 0;
}

// Setup `id`, its values as many as the identity says.
StoredSetup& SetupAt(AnalyzerState& state, int id) {
  StoredSetup& setup = SetupsOf(state).stored[static_cast<std::size_t>(id)];
  setup.values.resize(ValueCount(state));
  return setup;
}

// "n" or "n,'name'" with n a setup number; nothing when malformed.
struct SetupArguments {
  int id = 0;
  std::optional<std::string> name;
};

std::optional<SetupArguments> ParseSetupArguments(std::string_view arguments) {
  const auto comma = arguments.find(',');
  const auto id = Numbers(arguments.substr(0, comma));
  if (!id || id->size() != 1 || id->front() < 0 || id->front() >= kStoredSetupCount) return std::nullopt;
  SetupArguments parsed{id->front(), std::nullopt};
  if (comma != std::string_view::npos) {
    parsed.name = QuotedText(arguments.substr(comma + 1));
    if (!parsed.name) return std::nullopt;
    parsed.name = parsed.name->substr(0, kLongestSetupName);
  }
  return parsed;
}

// "name    u b": the name in 7 characters, in use, boot setup.
int ReportSetups(CommandContext& c) {
  c.reply.Line(std::to_string(kStoredSetupCount));
  for (int i = 0; i < kStoredSetupCount; ++i) {
    const StoredSetup& setup = SetupsOf(c.state).stored[static_cast<std::size_t>(i)];
    char text[32];
    std::snprintf(text, sizeof text, "%-7.7s %d %d", setup.name.c_str(), setup.used ? 1 : 0,
                  SetupsOf(c.state).boot == i ? 1 : 0);
    c.reply.Line(text);
  }
  return error::kNone;
}

int RecallSetup(CommandContext& c) {
  const auto parsed = ParseSetupArguments(c.arguments);
  if (!parsed || parsed->name) return error::kBadArgument;
  const StoredSetup& setup = SetupAt(c.state, parsed->id);
  if (!setup.used) return error::kSetupNotInUse;
  SetupsOf(c.state).current = setup.values;
  return error::kNone;
}

// Setup 0 holds the factory settings and takes nothing.
int StoreSetup(CommandContext& c) {
  const auto parsed = ParseSetupArguments(c.arguments);
  if (!parsed || parsed->id == 0) return error::kBadArgument;
  StoredSetup& setup = SetupAt(c.state, parsed->id);
  setup.values = SetupsOf(c.state).current;
  setup.values.resize(ValueCount(c.state));
  setup.used = true;
  if (parsed->name) setup.name = *parsed->name;
  return error::kNone;
}

int ChooseBootSetup(CommandContext& c) {
  const auto parsed = ParseSetupArguments(c.arguments);
  if (!parsed) return error::kBadArgument;
  SetupsOf(c.state).boot = parsed->id;
  if (parsed->name) SetupAt(c.state, parsed->id).name = *parsed->name;
  return error::kNone;
}

// The setup number, then its values as three digits each on one line.
int ReportSetupValues(CommandContext& c) {
  const auto parsed = ParseSetupArguments(c.arguments);
  if (!parsed || parsed->name) return error::kBadArgument;
  std::string digits;
  for (const uint8_t value : SetupAt(c.state, parsed->id).values) {
    char text[8];
    std::snprintf(text, sizeof text, "%03u", static_cast<unsigned>(value));
    digits += text;
  }
  c.reply.Line(std::to_string(parsed->id));
  c.reply.Line(digits);
  return error::kNone;
}

// "SB n": the next line holds setup n's values.
int AwaitSetupValues(CommandContext& c) {
  const auto parsed = ParseSetupArguments(c.arguments);
  if (!parsed || parsed->name || parsed->id == 0) return error::kBadArgument;
  SetupsOf(c.state).awaitingValuesFor = parsed->id;
  return error::kNone;
}

}  // namespace

Setups FactorySetups(std::size_t valueCount) {
  Setups setups;
  static constexpr const char* kNames[] = {"FACTORY", "OCTAVE", "NARROW"};
  for (std::size_t i = 0; i < setups.stored.size(); ++i) {
    StoredSetup& setup = setups.stored[i];
    setup.used = i < std::size(kNames);
    setup.name = setup.used ? kNames[i] : "";
    setup.values.resize(valueCount);
    for (std::size_t v = 0; v < valueCount; ++v)
      setup.values[v] = static_cast<uint8_t>(setup.used ? v * 7 + i * 31 : 0);
  }
  setups.current = setups.stored[0].values;
  return setups;
}

std::size_t SetupValuesLineLimit(const AnalyzerState& state) {
  return state.settings.setups.awaitingValuesFor ? ValueCount(state) * kDigitsPerValue + 1 : 0;
}

// Exactly three digits per value, each at most 255; anything else leaves
// the setup as it was.
int TakeSetupValues(AnalyzerState& state, std::string_view line) {
  const int id = *SetupsOf(state).awaitingValuesFor;
  const std::size_t count = ValueCount(state);
  if (line.size() != count * kDigitsPerValue) return error::kBadArgument;
  std::vector<uint8_t> values(count);
  for (std::size_t i = 0; i < count; ++i) {
    int value = 0;
    for (const char digit : line.substr(i * kDigitsPerValue, kDigitsPerValue)) {
      if (digit < '0' || digit > '9') return error::kBadArgument;
      value = value * 10 + (digit - '0');
    }
    if (value > 255) return error::kBadArgument;
    values[i] = static_cast<uint8_t>(value);
  }
  StoredSetup& setup = SetupAt(state, id);
  setup.values = std::move(values);
  setup.used = true;
  return error::kNone;
}

void AddSetupCommands(CommandTable& table) {
  table.emplace("QSF", ReportSetups);
  table.emplace("SER", RecallSetup);
  table.emplace("SES", StoreSetup);
  table.emplace("SE", ChooseBootSetup);
  table.emplace("QSB", ReportSetupValues);
  table.emplace("SB", AwaitSetupValues);
}

}  // namespace simanalyzer
