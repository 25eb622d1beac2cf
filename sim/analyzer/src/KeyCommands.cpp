// Key presses by number or name, and the key-name queries.
#include <algorithm>
#include <charconv>
#include <string>

#include "Arguments.h"
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"
#include "simanalyzer/Keypad.h"

namespace simanalyzer {
namespace {

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A key number, or a name in quotes.
std::optional<int> KeyArgument(const CommandContext& c) {
  const Model model = c.state.panel.model;
  if (c.arguments.starts_with('\'')) {
    const auto name = NameArgument(c.arguments);
    return name ? KeyNumber(model, *name) : std::nullopt;
  }
  const auto number = Number(c.arguments);
  if (!number || KeyName(model, *number).empty()) return std::nullopt;
  return number;
}

void SelectNextFile(MemoryStore& store) {
  const std::vector<MemoryFile>& files = store.Memory().Files();
  const MemoryFile* current = store.Current();
  if (current == nullptr) return;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (&files[i] == current) store.Select(files[(i + 1) % files.size()].name);
  }
}

void Press(AnalyzerState& state, int key) {
  FrontPanel& panel = state.panel;
  panel.lastKey = KeyName(panel.model, key);
  switch (key) {
    case key::kRunStop:
      state.settings.running = !state.settings.running;
      break;
    case key::kCursorLeft:
      panel.cursorBand = std::max(0, panel.cursorBand - 1);
      break;
    case key::kCursorRight:
      ++panel.cursorBand;
      break;
    case key::kNextFile:
      SelectNextFile(state.store);
      break;
    default:
      break;
  }
}

int PressKey(CommandContext& c) {
  const auto key = KeyArgument(c);
  if (!key) return error::kBadArgument;
  Press(c.state, *key);
  return error::kNone;
}

void ListKeys(CommandContext& c) {
  for (int key = 0; key < kKeyCount; ++key) {
    const std::string_view name = KeyName(c.state.panel.model, key);
    if (!name.empty()) c.reply.Line(std::to_string(key) + " '" + std::string(name) + "'");
  }
  c.reply.Line("");
}

// "*" lists the keys, a number is answered with its name in quotes (empty
// for an undefined key), and a name with its number (-1 when unknown).
int ReportKey(CommandContext& c) {
  const Model model = c.state.panel.model;
  if (c.arguments == "*") {
    ListKeys(c);
    return error::kNone;
  }
  if (const auto number = Number(c.arguments)) {
    c.reply.Line("'" + std::string(KeyName(model, *number)) + "'");
    return *number >= 0 && *number < kKeyCount ? error::kNone : error::kBadArgument;
  }
  const auto key = KeyNumber(model, c.arguments);
  c.reply.Line(std::to_string(key.value_or(-1)));
  return key ? error::kNone : error::kBadArgument;
}

}  // namespace

void AddKeyCommands(CommandTable& table) {
  table.emplace("KE", PressKey);
  table.emplace("QKE", ReportKey);
}

}  // namespace simanalyzer
