#include "DataFile.h"

#include "CommandLine.h"

namespace verda {

std::unique_ptr<Morvane> OpenDataFile(const std::string& path) {
  auto file = std::make_unique<Morvane>(path.c_str());
  if (file->GetRecordCount() == 0 && file->IndexProblem() != "holds no records") {
    Fail(kExitFailure, path + ": " + file->IndexProblem());
    return nullptr;
  }
  return file;
}

std::vector<_RecordEntryTag> RecordsOf(const Morvane& file) {
  std::vector<_RecordEntryTag> records(file.GetRecordCount());
  file.GetRecordsInFile(records.data());
  return records;
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
