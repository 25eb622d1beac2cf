#include <algorithm>
#include <iostream>
#include <thread>

#include "BatchTranslation.h"
#include "CommandLine.h"
#include "DataFile.h"
#include "morvane/DataProfileText.h"
#include "morvane/FileTranslation.h"
#include "morvane/TypedProfileText.h"

namespace verda {
namespace {

constexpr unsigned long kMaxBlockMask = 0xFFFF;
constexpr unsigned long kMaxJobs = 256;

unsigned DefaultJobs() { return std::max(std::thread::hardware_concurrency(), 1u); }

int RunTranslate(std::vector<std::string> arguments) {
  const auto profiles = TakeOption(arguments, "--profile");
  const auto recordNames = TakeOption(arguments, "--record");
  const auto masks = TakeOption(arguments, "--blocks");
  const auto folders = TakeOption(arguments, "--into");
  const auto jobCounts = TakeOption(arguments, "-j");
  if (profiles.size() > 1 || masks.size() > 1 || folders.size() > 1 || jobCounts.size() > 1) {
    return UsageError(kTranslateCommand, "--profile, --blocks, --into and -j may be given once");
  }
  const bool batch = !folders.empty();
  if (!batch && !jobCounts.empty()) return UsageError(kTranslateCommand, "-j goes with --into");
  if (batch ? arguments.empty() : arguments.size() != 2) {
    return UsageError(kTranslateCommand, batch ? "--into expects one or more input files"
                                               : "expects an input and an output file");
  }
  for (const std::string& argument : arguments) {
    if (argument.rfind("--", 0) == 0 || argument.rfind("-j", 0) == 0) {
      return UsageError(kTranslateCommand, "unknown option or option without value");
    }
  }

  morvane::TranslationRequest request;
  request.profileGiven = !profiles.empty();
  request.profile = morvane::EveryOptionProfile();
  if (!profiles.empty()) {
    std::string problem;
    const auto profile = morvane::ParseTypedProfileText(profiles[0], problem);
    if (!profile) return UsageError(kTranslateCommand, "--profile " + problem);
    request.profile = profile->tag;
  }
  if (!masks.empty()) {
    const auto mask = ParseNumber(masks[0], kMaxBlockMask);
    if (!mask) return UsageError(kTranslateCommand, "--blocks takes a number from 0 to 0xFFFF");
    request.blockSelect = static_cast<unsigned short>(*mask);
  }
  for (const std::string& name : recordNames) {
    const auto record = ParseRecordName(name);
    if (!record) return UsageError(kTranslateCommand, "--record takes TYPE:NUMBER, as 2:1");
    request.records.push_back(*record);
  }
  if (request.records.size() > 0xFFFF) return UsageError(kTranslateCommand, "at most 65535 records at once");

  if (batch) {
    unsigned jobs = DefaultJobs();
    if (!jobCounts.empty()) {
      const auto count = ParseNumber(jobCounts[0], kMaxJobs);
      if (!count || *count == 0) return UsageError(kTranslateCommand, "-j takes a number of jobs from 1 to 256");
      jobs = static_cast<unsigned>(*count);
    }
    return TranslateInto(request, folders[0], arguments, jobs);
  }
  const morvane::TranslationOutcome outcome = TranslateOneFile(request, arguments[0], arguments[1]);
  for (const std::string& warning : outcome.warnings) std::cerr << "verda: " << warning << '\n';
  if (outcome.nothingTranslated) std::cerr << "verda: " << morvane::kNothingTranslated << '\n';
  return outcome.failure.empty() ? kExitSuccess : Fail(kExitFailure, outcome.failure);
}

}  // namespace

extern const Subcommand kTranslateCommand = {
    "translate",
    "(IN.vqb OUT.csv | --into DIR [-j N] FILE.vqb...) [--profile TEXT] [--record TYPE:NUMBER]... [--blocks MASK]",
    "Translates records of a binary data file into comma-separated text. With\n"
    "--into, translates each FILE.vqb into DIR/FILE.csv, N files at a time.\n\n"
    "  --profile TEXT        a data profile in its text form: a name, then twelve\n"
    "                        decimal words, comma-separated (default: every option);\n"
    "                        -1 stands for every bit of a word\n"
    "  --record TYPE:NUMBER  a record to translate, in output order; may repeat\n"
    "                        (default: every record in directory order)\n"
    "  --blocks MASK         decimal or 0x-hex mask of the blocks to write\n"
    "                        (default 0x0080: the blocks each record holds)\n"
    "  --into DIR            the folder for the outputs of many files; each is\n"
    "                        named after its input, with the extension .csv\n"
    "  -j N                  with --into: files translated side by side\n"
    "                        (default: the number of processors)\n\n"
    "Every output is written whole or not at all; an existing file is replaced.\n"
    "With --into, a file that cannot be translated gets one line on standard\n"
    "error and the others are still translated; the exit status is then 1. On a\n"
    "terminal a progress line counts the files done. When the profile and --blocks\n"
    "leave nothing to write, the (empty) output is still written and a line on\n"
    "standard error says so; the exit status stays 0.\n\n"
    "When an autostore block was translated and the --profile given has bit 1\n"
    "(value 2) of its autostore word (word 9) set, the table after the line\n"
    "\"Data Follows\" is then rearranged: each of its columns becomes a row, so\n"
    "that the frequencies run down the rows; with --into, in each output that\n"
    "holds one. Without --profile nothing is rearranged. A rearrangement that\n"
    "cannot be written leaves the translated file as it was and exits with\n"
    "status 1.",
    RunTranslate};

}  // namespace verda
