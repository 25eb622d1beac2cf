#include "simanalyzer/MemoryStore.h"

#include <algorithm>
#include <cctype>

namespace simanalyzer {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

bool SameName(std::string_view a, std::string_view b) {
  a = WithoutTrailingBlanks(a.substr(0, kFileNameLength));
  b = WithoutTrailingBlanks(b.substr(0, kFileNameLength));
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

// Index of record (type, number) in `records`, or records.size() when absent.
std::size_t IndexOfRecord(const std::vector<StoredRecord>& records, uint8_t type, int number) {
  int seen = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].type == type && ++seen == number) return i;
  }
  return records.size();
}

}  // namespace

std::string PadFileName(std::string_view name) {
  std::string padded(name.substr(0, kFileNameLength));
  padded.resize(kFileNameLength, ' ');
  return padded;
}

MemoryFile NewFile(std::string_view name, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char date[16];
  char time[16];
  std::strftime(date, sizeof date, "%m/%d/%y", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return MemoryFile{PadFileName(name), date, time, {}};
}

MemoryFile* FileList::Find(std::string_view name) {
  auto found = std::find_if(files_.begin(), files_.end(), [name](const MemoryFile& f) { return SameName(f.name, name); });
  return found == files_.end() ? nullptr : &*found;
}

MemoryFile& FileList::Put(MemoryFile file) {
  file.name = PadFileName(file.name);
  if (MemoryFile* existing = Find(file.name)) {
    *existing = std::move(file);
    return *existing;
  }
  files_.push_back(std::move(file));
  return files_.back();
}

bool FileList::Remove(std::string_view name) {
  const auto before = files_.size();
  std::erase_if(files_, [name](const MemoryFile& f) { return SameName(f.name, name); });
  return files_.size() != before;
}

MemoryFile* MemoryStore::Current() {
  MemoryFile* current = memory_.Find(currentName_);
  if (current == nullptr && !memory_.Files().empty()) {
    current = &memory_.Files().front();
    currentName_ = current->name;
  }
  return current;
}

bool MemoryStore::Select(std::string_view name) {
  MemoryFile* file = memory_.Find(name);
  if (file == nullptr) return false;
  currentName_ = file->name;
  return true;
}

MemoryFile& MemoryStore::Add(MemoryFile file) {
  MemoryFile& stored = memory_.Put(std::move(file));
  currentName_ = stored.name;
  return stored;
}

bool MemoryStore::EraseCurrent() {
  MemoryFile* current = Current();
  if (current == nullptr) return false;
  memory_.Remove(current->name);
  currentName_.clear();
  return true;
}

const StoredRecord* MemoryStore::FindRecord(uint8_t type, int number) {
  MemoryFile* current = Current();
  if (current == nullptr) return nullptr;
  const std::size_t index = IndexOfRecord(current->records, type, number);
  return index < current->records.size() ? &current->records[index] : nullptr;
}

bool MemoryStore::DeleteRecord(uint8_t type, int number) {
  MemoryFile* current = Current();
  if (current == nullptr) return false;
  const std::size_t index = IndexOfRecord(current->records, type, number);
  if (index >= current->records.size()) return false;
  current->records.erase(current->records.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

int NumberAmongType(const std::vector<StoredRecord>& records, std::size_t index) {
  const uint8_t type = records[index].type;
  return static_cast<int>(std::count_if(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                                        [type](const StoredRecord& r) { return r.type == type; }));
}

}  // namespace simanalyzer
