// Memory files from binary data files (.VQB), and binary data files from records.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simanalyzer/MemoryStore.h"

namespace simanalyzer {

// The bytes a record's blocks span, found by walking its block mask. The
// spectral data block has no length field: it spans the prefix's data length.
// The whole data area when the blocks do not fit in it.
std::size_t RecordSpan(const std::vector<uint8_t>& dataArea);

struct LoadedFile {
  std::optional<MemoryFile> file;  // none when the file holds no readable record
  std::string problem;             // why records are missing; empty when all loaded
};

// Every record of the binary data file at `path`, each cut to its span, as
// the memory file `memoryName` stamped `when`.
LoadedFile LoadVqbFile(const std::string& path, std::string_view memoryName, std::time_t when);

// A whole binary data file holding `records`, with `modelNumber` (four digits)
// in its header text.
std::vector<uint8_t> VqbFileBytes(int modelNumber, const std::vector<StoredRecord>& records);

}  // namespace simanalyzer
