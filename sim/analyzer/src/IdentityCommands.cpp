// The hardware-setup query and the wake-up command.
#include "CommandTable.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

int ReportHardwareSetup(CommandContext& c) {
  const Identity& id = c.state.identity;
  for (const std::string* line : {&id.setupCount, &id.systemId, &id.line3, &id.firmwareVersion, &id.line5, &id.line6,
                                  &id.line7, &id.line8, &id.options, &id.serialNumber}) {
    c.reply.Line(*line);
  }
  return error::kNone;
}

// The host's wake-up line: nothing to do, the analyzer is listening.
int WakeUp(CommandContext&) { return error::kNone; }

}  // namespace

void AddIdentityCommands(CommandTable& table) {
  table.emplace("QHS", ReportHardwareSetup);
  table.emplace("DDDDD", WakeUp);
}

}  // namespace simanalyzer
