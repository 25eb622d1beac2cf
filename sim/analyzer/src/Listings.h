// The lines of the file and record listings.
//
// File line (memory files and diskette files):
//   columns 0-7 name, 10-17 date "MM/DD/YY", 20-27 time "HH:MM:SS",
//   from column 30 the number of records.
// Record line:
//   columns 0-6 type code, 8-14 number among its type, 16-26 record type
//   name, from column 28 "<size> bytes".
#pragma once

#include <string>
#include <vector>

#include "simanalyzer/MemoryStore.h"

namespace simanalyzer {

std::vector<std::string> FileListing(const std::vector<MemoryFile>& files);
std::vector<std::string> RecordListing(const std::vector<StoredRecord>& records);

}  // namespace simanalyzer
