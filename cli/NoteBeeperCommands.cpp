// verda note and verda beeper: the analyzer's note and its beeper bits.
#include <climits>
#include <iostream>
#include <vector>

#include "AnalyzerSession.h"

namespace verda {
namespace {

constexpr int kNoteRoom = 256;

int RunNote(std::vector<std::string> arguments) {
  std::string wanted;
  for (const std::string& word : arguments) wanted += (wanted.empty() ? "" : " ") + word;
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  Talvinet& analyzer = session.Analyzer();
  const bool set = !arguments.empty() && analyzer.SetNote(wanted.c_str(), 0) != 0;
  char note[kNoteRoom] = {};
  if (analyzer.GetNote(note, kNoteRoom, 0) == 0) return Fail(kExitFailure, "the analyzer did not tell its note");
  if (!arguments.empty() && !set) return Fail(kExitFailure, "the analyzer kept the note '" + std::string(note) + "'");
  if (arguments.empty()) std::cout << "note: " << note << '\n';
  return kExitSuccess;
}

int RunBeeper(std::vector<std::string> arguments) {
  if (arguments.size() > 1) return UsageError(kBeeperCommand, "takes at most the beeper bits");
  AnalyzerSession session;
  if (arguments.size() == 1) {
    const auto bits = NumberArgument(kBeeperCommand, "the beeper bits", arguments[0], 0, INT_MAX);
    if (!bits) return kExitUsage;
    if (!session.Open()) return kExitFailure;
    if (session.Analyzer().SetBeeperSettings(*bits, 0) != 0) return kExitSuccess;
    return Fail(kExitFailure, "the analyzer did not set its beeper");
  }
  if (!session.Open()) return kExitFailure;
  int bits = 0;
  if (session.Analyzer().GetBeeperSettings(&bits, 0) == 0) {
    return Fail(kExitFailure, "the analyzer did not tell its beeper");
  }
  std::cout << "beeper: " << bits << '\n';
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kNoteCommand = {
    "note", "[TEXT]",
    "Prints the analyzer's note, or sets it to TEXT (words are joined with blanks).\n"
    "Setting fails, and says what the analyzer kept, when the note read back\n"
    "differs: the analyzer keeps 64 characters at most.",
    RunNote};

extern const Subcommand kBeeperCommand = {
    "beeper", "[N]",
    "Prints the beeper bits, or sets them to N: 1 beeps on key presses, 2 on\n"
    "overload, 4 on errors.",
    RunBeeper};

}  // namespace verda
