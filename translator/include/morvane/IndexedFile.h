// A binary data file opened for a front end (verda, the Python module): its
// index with one reason when there is none, its records, and why a wanted
// record cannot be read. Every front end asks alike, so that each answers alike.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "morvane/Morvane.h"

namespace morvane {

// The file's index, or null with `problem` saying why it has none. A file
// that holds no records has an (empty) index.
std::unique_ptr<Morvane> IndexDataFile(const std::string& path, std::string& problem);

// Every record of the file in directory order.
std::vector<_RecordEntryTag> RecordsOf(const Morvane& file);

// For each wanted record, why it cannot be translated: "does not exist",
// "is empty" or "is cut short by the end of the file"; empty when it can.
std::vector<std::string> RecordProblems(const Morvane& file, const std::vector<_RecordEntryTag>& wanted);

}  // namespace morvane
