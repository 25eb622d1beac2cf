#include "CommandLine.h"

namespace verda {

const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> table = {
      kListCommand,
      kBlocksCommand,
      kTranslateCommand,
      kSendCommand,
      kInfoCommand,
      kFilesCommand,
      kRecordsCommand,
      kDownloadCommand,
      kCreateCommand,
      kDeleteCommand,
      kPortsCommand,
      kScreenCommand,
      kKeysCommand,
      kKeyCommand,
      kStatusCommand,
      kClockCommand,
      kStateCommand,
      kRunCommand,
      kStopCommand,
      kResetCommand,
      kTriggerCommand,
      kStoreCommand,
      kNoteCommand,
      kBeeperCommand,
      kMacrosCommand,
      kMacroCommand,
      kSetupsCommand,
      kSetupCommand,
  };
  return table;
}

}  // namespace verda
