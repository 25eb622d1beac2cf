// Commands by mnemonic. Each area of the command language adds its own
// handlers; a handler answers the error code that "QER" reports next.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "Reply.h"
#include "simanalyzer/AnalyzerState.h"

namespace simanalyzer {

struct CommandContext {
  AnalyzerState& state;
  std::string_view arguments;  // the text after the mnemonic, blanks trimmed
  Reply& reply;
  const Faults& faults;
};

using CommandHandler = int (*)(CommandContext&);
using CommandTable = std::map<std::string, CommandHandler, std::less<>>;

void AddFileCommands(CommandTable& table);
void AddDisketteCommands(CommandTable& table);
void AddIdentityCommands(CommandTable& table);
void AddKeyCommands(CommandTable& table);
void AddScreenCommands(CommandTable& table);
void AddSettingsCommands(CommandTable& table);
void AddMeasurementCommands(CommandTable& table);
void AddMacroCommands(CommandTable& table);
void AddSetupCommands(CommandTable& table);

// After "SB n" the next line is setup n's values, not a command: the longest
// such line the analyzer takes, 0 when it awaits none.
std::size_t SetupValuesLineLimit(const AnalyzerState& state);
// Takes the awaited values line; the error code "QER" reports next.
int TakeSetupValues(AnalyzerState& state, std::string_view line);

}  // namespace simanalyzer
