#include "morvane/FileTranslation.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "morvane/IndexedFile.h"
#include "morvane/Rearrange.h"

namespace morvane {
namespace {

bool CopyPath(char (&field)[kTranslatePathSize], const std::string& path) {
  if (path.empty() || path.size() >= sizeof field) return false;
  std::memcpy(field, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

TranslationOutcome TranslateFile(const TranslationRequest& request, const std::string& input, const std::string& output) {
  TranslationOutcome outcome;
  std::error_code unknown;
  if (std::filesystem::equivalent(input, output, unknown)) {
    outcome.failure = output + ": is the input file; nothing was translated";
    return outcome;
  }
  std::string problem;
  const auto file = IndexDataFile(input, problem);
  if (!file) {
    outcome.failure = input + ": " + problem;
    return outcome;
  }
  std::vector<_RecordEntryTag> records = request.records.empty() ? RecordsOf(*file) : request.records;
  if (records.empty()) {
    outcome.failure = input + ": holds no records";
    return outcome;
  }
  const std::vector<std::string> problems = RecordProblems(*file, records);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (problems[i].empty()) continue;
    outcome.warnings.push_back(input + ": record " + std::to_string(records[i].type) + ':' +
                               std::to_string(records[i].number) + ' ' + problems[i] + "; skipped");
  }

  _TranslateInfoTag info{};
  if (!CopyPath(info.inputPath, input) || !CopyPath(info.outputPath, output)) {
    outcome.failure = "paths must be 1 to 255 bytes long";
    return outcome;
  }
  _DataProfileTag profile = request.profile;
  info.profile = &profile;
  info.records = records.data();
  info.recordTotal = static_cast<unsigned short>(records.size());
  info.blockSelect = request.blockSelect;
  Morvane translator;
  if (!translator.Translate(&info)) {
    outcome.failure = output + ": cannot be written";
    outcome.outputNotWritten = true;
    return outcome;
  }
  // Records skipped for their own faults have their warnings; an empty output
  // after a readable record means no banner and no block was chosen.
  const bool anyReadable =
      std::any_of(problems.begin(), problems.end(), [](const std::string& reason) { return reason.empty(); });
  std::error_code error;
  outcome.nothingTranslated = anyReadable && std::filesystem::file_size(output, error) == 0 && !error;
  if (WantsRearrangedOutput(translator.ABlockDecoded(), request.profileGiven ? &profile : nullptr) &&
      !RearrangeOutput(output)) {
    outcome.failure = output + ": cannot be rearranged; left as translated";
  }
  return outcome;
}

}  // namespace morvane
