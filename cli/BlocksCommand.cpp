#include <iostream>

#include "CommandLine.h"
#include "DataFile.h"

namespace verda {
namespace {

int RunBlocks(std::vector<std::string> arguments) {
  if (arguments.size() != 3) return UsageError(kBlocksCommand, "expects a file, a type code and a record number");
  const auto record = ParseRecordName(arguments[1] + ":" + arguments[2]);
  if (!record) return UsageError(kBlocksCommand, "TYPE must be 0 to 255 and NUMBER 1 to 65535");
  const auto file = OpenDataFile(arguments[0]);
  if (!file) return kExitFailure;
  _DataBlocksTag names{};
  const std::string problem = morvane::RecordProblems(*file, {*record}).front();
  if (!problem.empty() || !file->GetDataBlocksPresent(record->type, record->number, &names)) {
    return Fail(kExitFailure, arguments[0] + ": record " + arguments[1] + ":" + arguments[2] + " " + problem);
  }
  for (const auto& name : names.name) {
    if (name[0] != '\0') std::cout << name << '\n';
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kBlocksCommand = {
    "blocks", "FILE.vqb TYPE NUMBER",
    "Prints the names of the blocks present in record NUMBER of type TYPE, one per\n"
    "line, in the order of their mask bits.",
    RunBlocks};

}  // namespace verda
