#include "morvane/IndexedFile.h"

#include <unordered_map>

namespace morvane {

std::unique_ptr<Morvane> IndexDataFile(const std::string& path, std::string& problem) {
  auto file = std::make_unique<Morvane>(path.c_str());
  if (file->GetRecordCount() == 0 && file->IndexProblem() != "holds no records") {
    problem = file->IndexProblem();
    return nullptr;
  }
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

}  // namespace morvane
