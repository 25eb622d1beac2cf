#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

int RunKeys(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kKeysCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  KeyboardStruct keys{};
  if (session.Analyzer().GetDefinedKeys(&keys, 0) == 0) return Fail(kExitFailure, "the analyzer did not list its keys");
  for (int key = 0; key < talvinet::kKeyCount; ++key) {
    if (keys.keyName[key][0] != '\0') std::cout << key << '\t' << keys.keyName[key] << '\n';
  }
  return kExitSuccess;
}

// The analyzer's error code after the press tells whether it took the key;
// an older code is read away first.
int Press(Talvinet& analyzer, const std::string& what, const std::function<int()>& press) {
  int code = 0;
  analyzer.GetErrorCode(&code, 0);
  if (press() == 0) return Fail(kExitFailure, "the key press " + what + " could not be sent");
  if (analyzer.GetErrorCode(&code, 0) == 0) return Fail(kExitFailure, "the analyzer did not answer after the key press");
  if (code != 0) return Fail(kExitFailure, "the analyzer refused the key " + what + " (error " + std::to_string(code) + ")");
  return kExitSuccess;
}

int RunKey(std::vector<std::string> arguments) {
  const std::vector<std::string> numbers = TakeOption(arguments, "--number");
  if (numbers.size() == 1 && arguments.empty()) {
    const std::optional<unsigned long> key = ParseNumber(numbers[0], talvinet::kKeyCount - 1);
    if (!key) return UsageError(kKeyCommand, "a key number is 0 to 127, not '" + numbers[0] + "'");
    AnalyzerSession session;
    if (!session.Open()) return kExitFailure;
    Talvinet& analyzer = session.Analyzer();
    return Press(analyzer, std::to_string(*key), [&] { return analyzer.EmulateKeystroke(static_cast<int>(*key), 0); });
  }
  if (!numbers.empty() || arguments.size() != 1 || arguments[0].empty()) {
    return UsageError(kKeyCommand, "expects one key name or --number N");
  }
  const std::string& name = arguments[0];
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  return Press(analyzer, "'" + name + "'", [&] { return analyzer.EmulateKeystroke(name.c_str(), 0); });
}

}  // namespace

extern const Subcommand kKeysCommand = {
    "keys", "", "Lists the analyzer's keys, one line each: the key number, a tab and its name.", RunKeys};

extern const Subcommand kKeyCommand = {
    "key", "NAME | --number N",
    "Presses the analyzer's key named NAME (as 'verda keys' lists it), or the\n"
    "key numbered N (0 to 127).",
    RunKey};

}  // namespace verda
