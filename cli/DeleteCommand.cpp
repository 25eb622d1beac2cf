#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

int RunDelete(std::vector<std::string> arguments) {
  const auto name = MemoryFileArgument(kDeleteCommand, arguments);
  if (!name) return kExitUsage;
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  if (session.Analyzer().DeleteMemoryFile(name->c_str(), 0) == 0) {
    return Fail(kExitFailure, "the analyzer could not delete '" + arguments[0] + "'");
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kDeleteCommand = {
    "delete", "NAME",
    "Deletes the memory file NAME from the analyzer. NAME is matched exactly,\n"
    "capitals included.",
    RunDelete};

}  // namespace verda
