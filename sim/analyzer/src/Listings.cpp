#include "Listings.h"

#include <cstdio>

#include "morvane/Names.h"

namespace simanalyzer {

std::vector<std::string> FileListing(const std::vector<MemoryFile>& files) {
  std::vector<std::string> lines;
  for (const MemoryFile& file : files) {
    char line[64];
    std::snprintf(line, sizeof line, "%-8.8s  %-8.8s  %-8.8s  %zu", file.name.c_str(), file.date.c_str(),
                  file.time.c_str(), file.records.size());
    lines.emplace_back(line);
  }
  return lines;
}

std::vector<std::string> RecordListing(const std::vector<StoredRecord>& records) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < records.size(); ++i) {
    char line[96];
    std::snprintf(line, sizeof line, "%-7u %-7d %-11.11s %zu bytes", unsigned{records[i].type},
                  NumberAmongType(records, i), morvane::RecordTypeName(records[i].type), records[i].bytes.size());
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace simanalyzer
