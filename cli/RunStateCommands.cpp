// verda state, run, stop, reset, trigger and store: the measurement's run
// state and what the control page's buttons do.
#include <iostream>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

int RunState(std::vector<std::string> arguments) {
  if (!arguments.empty()) return UsageError(kStateCommand, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  const unsigned short state = session.Analyzer().GetRunState(0);
  if (state == 0) return Fail(kExitFailure, "the analyzer did not tell its run state");
  std::cout << (state == talvinet::kRunning ? "running" : "stopped") << '\n';
  return kExitSuccess;
}

int RunRun(std::vector<std::string> arguments) {
  return RunAnalyzerAction(
      kRunCommand, arguments, [](Talvinet& a) { return a.SetRunState(talvinet::kRunStateRun, 0); },
      "the analyzer did not start the measurement");
}

int RunStop(std::vector<std::string> arguments) {
  return RunAnalyzerAction(
      kStopCommand, arguments, [](Talvinet& a) { return a.SetRunState(talvinet::kRunStateStop, 0); },
      "the analyzer did not stop the measurement");
}

int RunReset(std::vector<std::string> arguments) {
  if (arguments.size() > 1) return UsageError(kResetCommand, "takes at most one data number");
  int n = 0;
  if (!arguments.empty()) {
    const auto number = NumberArgument(kResetCommand, "the data number", arguments[0], 1, 65535);
    if (!number) return kExitUsage;
    n = *number;
  }
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  if (session.Analyzer().ResetData(static_cast<unsigned short>(n), 0) == 0) {
    return Fail(kExitFailure, "the analyzer did not reset the data");
  }
  return kExitSuccess;
}

int RunTrigger(std::vector<std::string> arguments) {
  return RunAnalyzerAction(
      kTriggerCommand, arguments, [](Talvinet& a) { return a.ManualTrigger(0); }, "the analyzer was not triggered");
}

int RunStore(std::vector<std::string> arguments) {
  return RunAnalyzerAction(
      kStoreCommand, arguments, [](Talvinet& a) { return a.StoreFile(0); },
      "the analyzer did not store the measurement");
}

}  // namespace

extern const Subcommand kStateCommand = {"state", "", "Prints 'running' or 'stopped'.", RunState};
extern const Subcommand kRunCommand = {"run", "", "Starts the measurement.", RunRun};
extern const Subcommand kStopCommand = {"stop", "", "Stops the measurement.", RunStop};
extern const Subcommand kResetCommand = {
    "reset", "[N]", "Resets the measured data: all of it, or data set N (1 to 65535).", RunReset};
extern const Subcommand kTriggerCommand = {"trigger", "", "Triggers the measurement by hand.", RunTrigger};
extern const Subcommand kStoreCommand = {
    "store", "", "Stores the current measurement in the current memory file.", RunStore};

}  // namespace verda
