#include <cctype>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

bool OnlyLettersDigitsAndUnderscores(const std::string& name) {
  for (const char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') return false;
  }
  return true;
}

int RunCreate(std::vector<std::string> arguments) {
  if (!MemoryFileArgument(kCreateCommand, arguments)) return kExitUsage;
  if (!OnlyLettersDigitsAndUnderscores(arguments[0])) {
    return UsageError(kCreateCommand, "a new file's name has only letters, digits and '_'");
  }
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  if (session.Analyzer().CreateMemoryFile(arguments[0].c_str(), 0) == 0) {
    return Fail(kExitFailure, "the analyzer could not create '" + arguments[0] +
                                  "'; check that the name is unique and that the analyzer has memory left");
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kCreateCommand = {
    "create", "NAME",
    "Creates the memory file NAME (up to 8 letters, digits or '_') on the\n"
    "analyzer and makes it the current file.",
    RunCreate};

}  // namespace verda
