// Opening a binary data file for a subcommand, with one clear message when it
// cannot be indexed.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "morvane/Morvane.h"

namespace verda {

// The file's index, or null with `problem` saying why it has none.
std::unique_ptr<Morvane> IndexDataFile(const std::string& path, std::string& problem);
// The file's index, or null after printing why it has none.
std::unique_ptr<Morvane> OpenDataFile(const std::string& path);

// Every record of the file in directory order.
std::vector<_RecordEntryTag> RecordsOf(const Morvane& file);

// For each wanted record, why it cannot be translated: "does not exist",
// "is empty" or "is cut short by the end of the file"; empty when it can.
std::vector<std::string> RecordProblems(const Morvane& file, const std::vector<_RecordEntryTag>& wanted);

// "TYPE:NUMBER", both decimal; TYPE 0..255, NUMBER 1..65535.
std::optional<_RecordEntryTag> ParseRecordName(const std::string& text);

}  // namespace verda
