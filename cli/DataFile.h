// Opening a binary data file for a subcommand, with one clear message when it
// cannot be indexed.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "morvane/IndexedFile.h"

namespace verda {

// The file's index, or null after printing why it has none.
std::unique_ptr<Morvane> OpenDataFile(const std::string& path);

// "TYPE:NUMBER", both decimal; TYPE 0..255, NUMBER 1..65535.
std::optional<_RecordEntryTag> ParseRecordName(const std::string& text);

}  // namespace verda
