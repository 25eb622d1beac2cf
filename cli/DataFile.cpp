#include "DataFile.h"

#include <unordered_map>

#include "CommandLine.h"

namespace verda {

std::unique_ptr<Morvane> IndexDataFile(const std::string& path, std::string& problem) {
  auto file = std::make_unique<Morvane>(path.c_str());
  if (file->GetRecordCount() == 0 && file->IndexProblem() != "holds no records") {
    problem = file->IndexProblem();
    return nullptr;
  }
  return file;
}

std::unique_ptr<Morvane> OpenDataFile(const std::string& path) {
  std::string problem;
  auto file = IndexDataFile(path, problem);
  if (!file) Fail(kExitFailure, path + ": " + problem);
  return file;
}

std::vector<_RecordEntryTag> RecordsOf(const Morvane& file) {
  std::vector<_RecordEntryTag> records(file.GetRecordCount());
  file.GetRecordsInFile(records.data());
  return records;
}

std::vector<std::string> RecordProblems(const Morvane& file, const std::vector<_RecordEntryTag>& wanted) {
  const auto key = [](const _RecordEntryTag& record) { return (uint32_t{record.type} << 16) | record.number; };
  std::unordered_map<uint32_t, std::size_t> positions;
  const std::vector<_RecordEntryTag> records = RecordsOf(file);
  for (std::size_t i = 0; i < records.size(); ++i) positions[key(records[i])] = i;
  std::vector<std::string> problems;
  for (const _RecordEntryTag& record : wanted) {
    const auto found = positions.find(key(record));
    if (found == positions.end()) {
      problems.emplace_back("does not exist");
    } else if (file.Directory()[found->second].units == 0) {
      problems.emplace_back("is empty");
    } else {
      problems.emplace_back(file.RecordIsComplete(found->second) ? "" : "is cut short by the end of the file");
    }
  }
  return problems;
}

std::optional<_RecordEntryTag> ParseRecordName(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto type = ParseNumber(text.substr(0, colon), 255);
  const auto number = ParseNumber(text.substr(colon + 1), 65535);
  if (!type || !number || *number == 0) return std::nullopt;
  _RecordEntryTag entry{};
  entry.type = static_cast<unsigned char>(*type);
  entry.number = static_cast<unsigned short>(*number);
  return entry;
}

}  // namespace verda
