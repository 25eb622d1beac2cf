// What every verda subcommand shares: its argument list, option parsing and
// the exit statuses.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace verda {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // a file or the analyzer could not be read or written
constexpr int kExitUsage = 2;

struct Subcommand {
  const char* name;
  const char* synopsis;  // arguments after the name
  const char* help;      // what it does, shown by --help
  int (*run)(std::vector<std::string> arguments);
};

extern const Subcommand kListCommand;
extern const Subcommand kBlocksCommand;
extern const Subcommand kTranslateCommand;
extern const Subcommand kSendCommand;
extern const Subcommand kInfoCommand;
extern const Subcommand kFilesCommand;
extern const Subcommand kRecordsCommand;
extern const Subcommand kDownloadCommand;
extern const Subcommand kCreateCommand;
extern const Subcommand kDeleteCommand;
extern const Subcommand kPortsCommand;
extern const Subcommand kScreenCommand;
extern const Subcommand kKeysCommand;
extern const Subcommand kKeyCommand;
extern const Subcommand kStatusCommand;
extern const Subcommand kClockCommand;
extern const Subcommand kStateCommand;
extern const Subcommand kRunCommand;
extern const Subcommand kStopCommand;
extern const Subcommand kResetCommand;
extern const Subcommand kTriggerCommand;
extern const Subcommand kStoreCommand;
extern const Subcommand kNoteCommand;
extern const Subcommand kBeeperCommand;
extern const Subcommand kMacrosCommand;
extern const Subcommand kMacroCommand;
extern const Subcommand kSetupsCommand;
extern const Subcommand kSetupCommand;

// The table of subcommands; main() dispatches through it.
const std::vector<Subcommand>& Subcommands();
const Subcommand* FindSubcommand(const std::string& name);

// Prints "verda: <message>" on standard error and returns `status`; the
// message ends in "; <cause>" when the failure cause says one.
int Fail(int status, const std::string& message);
// What Fail adds when the cause of a failure is known elsewhere (the analyzer
// stopped answering); empty for none. An empty function says nothing.
void SetFailureCause(std::function<std::string()> cause);
// Why nothing could be written at `path`: its folder's refusal of a new file
// when that is the cause, else `otherwise`.
std::string WriteFailure(const std::string& path, const std::string& otherwise);
// A usage error of `command`: the message and the command's synopsis.
int UsageError(const Subcommand& command, const std::string& message);
// True when the arguments ask for --help (then the help was printed).
bool HelpRequested(const Subcommand& command, const std::vector<std::string>& arguments);

// Removes "--name VALUE" pairs from `arguments` and returns their values in order.
// A trailing "--name" without value is left in place for the caller to refuse.
std::vector<std::string> TakeOption(std::vector<std::string>& arguments, const std::string& name);

// An unsigned number in decimal or 0x-hexadecimal, at most `limit`.
std::optional<unsigned long> ParseNumber(const std::string& text, unsigned long limit);

}  // namespace verda
