#include <cstring>
#include <iostream>

#include "CommandLine.h"
#include "DataFile.h"
#include "morvane/DataProfileText.h"
#include "morvane/Rearrange.h"

namespace verda {
namespace {

constexpr unsigned long kMaxBlockMask = 0xFFFF;

bool CopyPath(char (&field)[kTranslatePathSize], const std::string& path) {
  if (path.empty() || path.size() >= sizeof field) return false;
  std::memcpy(field, path.c_str(), path.size() + 1);
  return true;
}

_DataProfileTag EveryOptionProfile() {
  _DataProfileTag profile{};
  for (uint32_t& word : profile.word) word = 0xFFFFFFFFu;
  return profile;
}

int RunTranslate(std::vector<std::string> arguments) {
  const auto profiles = TakeOption(arguments, "--profile");
  const auto recordNames = TakeOption(arguments, "--record");
  const auto masks = TakeOption(arguments, "--blocks");
  if (arguments.size() != 2) return UsageError(kTranslateCommand, "expects an input and an output file");
  if (profiles.size() > 1 || masks.size() > 1) {
    return UsageError(kTranslateCommand, "--profile and --blocks may be given once");
  }
  const std::string& input = arguments[0];
  const std::string& output = arguments[1];
  if (input.rfind("--", 0) == 0 || output.rfind("--", 0) == 0) {
    return UsageError(kTranslateCommand, "unknown option or option without value");
  }

  _DataProfileTag profile = profiles.empty() ? EveryOptionProfile() : morvane::ParseProfileText(profiles[0]).tag;
  unsigned short blockSelect = ALL_PRESENT_BLOCKS;
  if (!masks.empty()) {
    const auto mask = ParseNumber(masks[0], kMaxBlockMask);
    if (!mask) return UsageError(kTranslateCommand, "--blocks takes a number from 0 to 0xFFFF");
    blockSelect = static_cast<unsigned short>(*mask);
  }

  std::vector<_RecordEntryTag> records;
  for (const std::string& name : recordNames) {
    const auto record = ParseRecordName(name);
    if (!record) return UsageError(kTranslateCommand, "--record takes TYPE:NUMBER, as 2:1");
    records.push_back(*record);
  }
  if (records.size() > 0xFFFF) return UsageError(kTranslateCommand, "at most 65535 records at once");

  const auto file = OpenDataFile(input);
  if (!file) return kExitFailure;
  if (records.empty()) records = RecordsOf(*file);
  if (records.empty()) return Fail(kExitFailure, input + ": holds no records");
  const std::vector<std::string> problems = RecordProblems(*file, records);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (problems[i].empty()) continue;
    std::cerr << "verda: " << input << ": record " << static_cast<int>(records[i].type) << ':' << records[i].number
              << ' ' << problems[i] << "; skipped\n";
  }

  _TranslateInfoTag info{};
  if (!CopyPath(info.inputPath, input) || !CopyPath(info.outputPath, output)) {
    return Fail(kExitFailure, "paths must be 1 to 255 bytes long");
  }
  info.profile = &profile;
  info.records = records.data();
  info.recordTotal = static_cast<unsigned short>(records.size());
  info.blockSelect = blockSelect;
  Morvane translator;
  if (!translator.Translate(&info)) return Fail(kExitFailure, output + ": cannot be written");
  // Only a profile the user gave can ask for the rearrangement, as in the translation dialog.
  const _DataProfileTag* chosenProfile = profiles.empty() ? nullptr : &profile;
  if (morvane::WantsRearrangedOutput(translator.ABlockDecoded(), chosenProfile) && !morvane::RearrangeOutput(output)) {
    return Fail(kExitFailure, output + ": cannot be rearranged; left as translated");
  }
  return kExitSuccess;
}

}  // namespace

extern const Subcommand kTranslateCommand = {
    "translate", "IN.vqb OUT.csv [--profile TEXT] [--record TYPE:NUMBER]... [--blocks MASK]",
    "Translates records of a binary data file into comma-separated text.\n\n"
    "  --profile TEXT        a data profile in its text form: a name, then twelve\n"
    "                        decimal words, comma-separated (default: every option)\n"
    "  --record TYPE:NUMBER  a record to translate, in output order; may repeat\n"
    "                        (default: every record in directory order)\n"
    "  --blocks MASK         decimal or 0x-hex mask of the blocks to write\n"
    "                        (default 0x0080: the blocks each record holds)\n\n"
    "The output is written whole or not at all; an existing file is replaced.\n\n"
    "When an autostore block was translated and the --profile given has bit 1\n"
    "(value 2) of its autostore word (word 9) set, the table after the line\n"
    "\"Data Follows\" is then rearranged: each of its columns becomes a row, so\n"
    "that the frequencies run down the rows. Without --profile nothing is\n"
    "rearranged. A rearrangement that cannot be written leaves the translated\n"
    "file as it was and exits with status 1.",
    RunTranslate};

}  // namespace verda
