// verda setups and verda setup: the analyzer's eight stored setups, and
// setup files on the computer.
#include <iostream>
#include <vector>

#include "AnalyzerSession.h"
#include "talvinet/SetupFile.h"

namespace verda {
namespace {

// Setup 0 holds the factory settings: it can be recalled, made the boot
// setup and saved, but not stored into, renamed or loaded.
constexpr int kFirstWritableSetup = 1;
constexpr int kLastSetup = talvinet::kSetupCount - 1;

int RunSetups(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kSetupsCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  SetupStruct setups;
  if (session.Analyzer().GetSetupInfo(&setups, 0) == 0) {
    return Fail(kExitFailure, "Couldn't read the setup configurations.");
  }
  for (int id = 0; id < talvinet::kSetupCount; ++id) {
    std::cout << id << '\t' << WithoutTrailingBlanks(setups.setupName[id]) << '\t'
              << (setups.setupUsed[id] != 0 ? "used" : "unused") << '\t' << (setups.setupBoot[id] != 0 ? "boot" : "-")
              << '\n';
  }
  return kExitSuccess;
}

// The texts of the analyzer's answers to a setup file.
int SetupFileFailure(talvinet::SetupFileResult result, const std::string& path, const char* analyzerFailure) {
  switch (result) {
    case talvinet::SetupFileResult::kDone:
      return kExitSuccess;
    case talvinet::SetupFileResult::kNotWritten:
      return Fail(kExitFailure, WriteFailure(path, "cannot write " + path));
    case talvinet::SetupFileResult::kNotReadable:
      return Fail(kExitFailure, "cannot read " + path);
    case talvinet::SetupFileResult::kDamaged:
      return Fail(kExitFailure, path + " is not a whole setup file");
    case talvinet::SetupFileResult::kIncompatible:
      return Fail(kExitFailure, "The setup file is incompatible with your analyzer.");
    case talvinet::SetupFileResult::kAnalyzerSilent:
      break;
  }
  return Fail(kExitFailure, analyzerFailure);
}

struct SetupAction {
  const char* name;
  std::size_t arguments;       // after the setup number, at least
  std::size_t mostArguments;   // after the setup number, at most
  int firstSetup;
  const char* usage;
};

constexpr SetupAction kActions[] = {
    {"recall", 0, 0, 0, "recall takes a setup number"},
    {"store", 0, 1, kFirstWritableSetup, "store takes a setup number and maybe a name"},
    {"boot", 0, 0, 0, "boot takes a setup number"},
    {"rename", 1, 1, kFirstWritableSetup, "rename takes a setup number and a name"},
    {"save", 1, 1, kFirstWritableSetup, "save takes a setup number and a file"},
    {"load", 1, 1, kFirstWritableSetup, "load takes a setup number and a file"},
};

int Perform(const std::string& action, unsigned char id, std::vector<std::string> rest) {
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  char* name = rest.empty() ? nullptr : rest[0].data();
  if (action == "recall") {
    if (analyzer.RecallSetupConfiguration(id, 0) != 0) return kExitSuccess;
    return Fail(kExitFailure, "The selected setup configuration couldn't be activated.");
  }
  if (action == "store") {
    if (analyzer.StoreSetupConfiguration(id, name, 0) != 0) return kExitSuccess;
    return Fail(kExitFailure, "Couldn't store this setup configuration.");
  }
  if (action == "boot") {
    if (analyzer.SetBootConfiguration(id, nullptr, 0) != 0) return kExitSuccess;
    return Fail(kExitFailure, "Couldn't set the boot configuration.");
  }
  if (action == "rename") {
    if (analyzer.SetSetupName(id, name, 0) != 0) return kExitSuccess;
    return Fail(kExitFailure, "Couldn't rename this setup configuration.");
  }
  if (action == "save") {
    return SetupFileFailure(talvinet::SaveSetupFile(analyzer, id, rest[0], 0), rest[0],
                            "Couldn't download the setup information to the file.");
  }
  return SetupFileFailure(talvinet::LoadSetupFile(analyzer, id, rest[0], 0), rest[0],
                          "Couldn't upload the setup file to the analyzer.");
}

int RunSetup(std::vector<std::string> arguments) {
  for (const SetupAction& action : kActions) {
    if (arguments.empty() || arguments[0] != action.name) continue;
    if (arguments.size() < 2 + action.arguments || arguments.size() > 2 + action.mostArguments) {
      return UsageError(kSetupCommand, action.usage);
    }
    const auto id = NumberArgument(kSetupCommand, "the setup number", arguments[1], action.firstSetup, kLastSetup);
    if (!id) return kExitUsage;
    return Perform(action.name, static_cast<unsigned char>(*id), {arguments.begin() + 2, arguments.end()});
  }
  return UsageError(kSetupCommand, "expects recall, store, boot, rename, save or load");
}

}  // namespace

extern const Subcommand kSetupsCommand = {
    "setups", "",
    "Lists the eight stored setups, one a line: number, name, used or unused,\n"
    "and boot for the boot setup, else '-'.",
    RunSetups};

extern const Subcommand kSetupCommand = {
    "setup", "recall N | store N [NAME] | boot N | rename N NAME | save N FILE.set | load N FILE.set",
    "Works on stored setup N (0 to 7; store, rename, save and load take 1 to 7):\n"
    "recalls it, stores the settings in force into it (named NAME, cut to 7\n"
    "characters), makes it the boot setup, renames it, saves it to a setup file,\n"
    "or loads a setup file into it. A setup file loads only into an analyzer of\n"
    "the same kind.",
    RunSetup};

}  // namespace verda
