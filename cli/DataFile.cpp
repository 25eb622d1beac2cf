#include "DataFile.h"

#include "CommandLine.h"

namespace verda {

std::unique_ptr<Morvane> OpenDataFile(const std::string& path) {
  std::string problem;
  auto file = morvane::IndexDataFile(path, problem);
  if (!file) Fail(kExitFailure, path + ": " + problem);
  return file;
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
