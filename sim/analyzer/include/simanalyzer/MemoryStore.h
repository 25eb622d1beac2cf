// The analyzer's memory files and its diskette. A record is addressed by its
// type code and its 1-based number among the records of that type.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simanalyzer {

struct StoredRecord {
  uint8_t type = 0;
  std::vector<uint8_t> bytes;
};

struct MemoryFile {
  std::string name;  // always 8 characters, padded with blanks
  std::string date;  // "MM/DD/YY"
  std::string time;  // "HH:MM:SS"
  std::vector<StoredRecord> records;
};

constexpr std::size_t kFileNameLength = 8;

// An empty file named `name` (padded or cut to 8 characters), stamped `when`.
MemoryFile NewFile(std::string_view name, std::time_t when);
constexpr std::size_t kMaximumMemoryFiles = 32;

// Pads with blanks or cuts to the analyzer's 8-character file names.
std::string PadFileName(std::string_view name);

// A list of files whose names match without regard to case or trailing blanks.
class FileList {
 public:
  std::vector<MemoryFile>& Files() { return files_; }
  const std::vector<MemoryFile>& Files() const { return files_; }
  MemoryFile* Find(std::string_view name);
  // Adds `file`, replacing a file of the same name; returns the stored file.
  MemoryFile& Put(MemoryFile file);
  bool Remove(std::string_view name);

 private:
  std::vector<MemoryFile> files_;
};

class MemoryStore {
 public:
  FileList& Memory() { return memory_; }
  const FileList& Memory() const { return memory_; }

  // The current file, on which record commands act; null when memory is empty.
  MemoryFile* Current();
  bool Select(std::string_view name);
  // Adds a file and makes it current; replaces a file of the same name.
  MemoryFile& Add(MemoryFile file);
  // Erases the current file; the first remaining file becomes current.
  bool EraseCurrent();

  const StoredRecord* FindRecord(uint8_t type, int number);
  bool DeleteRecord(uint8_t type, int number);

 private:
  FileList memory_;
  std::string currentName_;
};

// The diskette drive: a diskette may be inserted, and must be opened before
// files are saved to it, recalled from it or deleted on it.
struct Diskette {
  bool inserted = true;
  bool open = false;
  FileList files;
};

// 1-based number of `records[index]` among the records of its type.
int NumberAmongType(const std::vector<StoredRecord>& records, std::size_t index);

}  // namespace simanalyzer
