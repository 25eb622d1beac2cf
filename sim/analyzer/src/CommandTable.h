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

}  // namespace simanalyzer
