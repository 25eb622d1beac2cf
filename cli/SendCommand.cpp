#include <iostream>
#include <string>
#include <vector>

#include "AnalyzerConnection.h"
#include "CommandLine.h"

namespace verda {
namespace {

// Room for the longest listings the analyzer answers with.
constexpr int kResultRoom = 65536;

int RunSend(std::vector<std::string> arguments) {
  if (arguments.size() != 1) return UsageError(kSendCommand, "expects one command text");
  Talvinet analyzer;
  if (!OpenAnalyzer(analyzer)) return kExitFailure;
  const std::string text = arguments[0] + "\r\n";
  std::vector<char> result(kResultRoom, '\0');
  if (analyzer.SendGenericCommand(text.c_str(), result.data(), kResultRoom, 1) == 0) {
    return Fail(kExitFailure, "the analyzer did not take '" + arguments[0] + "' (status " +
                                  std::to_string(analyzer.GetErrno()) + ")");
  }
  // Each reply line ends in a TAB.
  std::string line;
  for (const char* c = result.data(); *c != '\0'; ++c) {
    if (*c == '\t') {
      std::cout << line << '\n';
      line.clear();
    } else {
      line.push_back(*c);
    }
  }
  if (!line.empty()) std::cout << line << '\n';
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kSendCommand = {
    "send", "\"TEXT\"",
    "Sends TEXT to the analyzer (a CR LF is appended) in remote mode and prints\n"
    "each line of its reply on its own line. Texts starting with Q are queries;\n"
    "anything else is a command. The link comes from the global options.",
    RunSend};

}  // namespace verda
