#include "morvane/Morvane.h"

#include <sys/types.h>

#include <cerrno>
#include <cstring>

#include "LittleEndianReader.h"
#include "morvane/Names.h"

namespace {

constexpr std::size_t kHeaderSize = 36;
constexpr std::size_t kCountSize = 2;
constexpr std::size_t kDirEntrySize = 3;
constexpr uint64_t kUnitBytes = 256;
constexpr long long kBlockMaskOffset = 8;

void CopyName(char* destination, std::size_t capacity, const char* name) {
  std::strncpy(destination, name, capacity - 1);
  destination[capacity - 1] = '\0';
}

uint64_t FileSize(std::FILE* file) {
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  const off_t end = ftello(file);
  return end < 0 ? 0 : static_cast<uint64_t>(end);
}

}  // namespace

Morvane::Morvane() = default;

Morvane::Morvane(const char* path) {
  if (path == nullptr) return;
  inputFile = std::fopen(path, "rb");
  if (inputFile != nullptr) {
    Init(inputFile);
  } else {
    indexProblem = std::string("cannot be opened: ") + std::strerror(errno);
  }
}

Morvane::~Morvane() { CloseInput(); }

void Morvane::CloseInput() {
  if (inputFile != nullptr) std::fclose(inputFile);
  inputFile = nullptr;
}

// Reads the header, the count and the directory in one pass. A directory cut
// short by the end of the file keeps the entries that were read whole.
int Morvane::Init(std::FILE* file) {
  directory.clear();
  recordOffsets.clear();
  entriesByType.clear();
  recordCount = 0;
  inputFileSize = 0;
  indexProblem = "is not open";
  if (file == nullptr) return 0;
  inputFileSize = FileSize(file);
  unsigned char header[kHeaderSize + kCountSize];
  if (fseeko(file, 0, SEEK_SET) != 0 || std::fread(header, 1, sizeof header, file) != sizeof header) {
    indexProblem = "is shorter than the 38-byte header of a binary data file";
    return 0;
  }
  std::memcpy(headerText, header, kHeaderSize);
  headerText[kHeaderSize - 1] = '\0';
  uint16_t count = 0;
  LittleEndianReader(header, sizeof header).U16(kHeaderSize, count);
  if (count == 0) {
    indexProblem = "holds no records";
    return 0;
  }

  std::vector<unsigned char> entries(kDirEntrySize * count);
  const std::size_t got = std::fread(entries.data(), 1, entries.size(), file);
  const LittleEndianReader reader(entries.data(), got);
  for (std::size_t i = 0; i < count; ++i) {
    RecordDirEntry entry{};
    const auto offset = static_cast<long long>(i * kDirEntrySize);
    if (!reader.U8(offset, entry.type) || !reader.U16(offset + 1, entry.units)) break;
    directory.push_back(entry);
  }
  recordCount = static_cast<unsigned short>(directory.size());
  IndexDirectory();
  if (recordCount == 0) {
    indexProblem = "ends before its record directory";
    return 0;
  }
  indexProblem.clear();
  return 1;
}

unsigned short Morvane::GetRecordCount() const { return recordCount; }

int Morvane::GetRecordsInFile(_RecordEntryTag* entries) const {
  if (recordCount == 0 || entries == nullptr) return 0;
  unsigned short counters[256] = {};
  for (std::size_t j = 0; j < directory.size(); ++j) {
    const uint8_t type = directory[j].type;
    entries[j].type = type;
    entries[j].number = ++counters[type];
    CopyName(entries[j].name, sizeof entries[j].name, morvane::RecordTypeName(type));
  }
  return 1;
}

int Morvane::GetDataBlocksPresent(const unsigned char* record, _DataBlocksTag* names, unsigned short* mask,
                                  unsigned long size) const {
  uint16_t blockMask = 0;
  if (!LittleEndianReader(record, size).U16(kBlockMaskOffset, blockMask)) return 0;
  if (mask != nullptr) *mask = blockMask;
  if (names == nullptr) return 0;
  for (int bit = 0; bit < kBlockSlots; ++bit) {
    if ((blockMask & (1u << bit)) != 0) CopyName(names->name[bit], kBlockNameSize, morvane::BlockName(bit));
  }
  return 1;
}

int Morvane::GetDataBlocksPresent(unsigned char type, unsigned short number, _DataBlocksTag* names) {
  Location location{};
  // A record that runs past the end of the file cannot be read: refuse it
  // before allocating the buffer its directory entry claims.
  if (inputFile == nullptr || !Locate(type, number, location) || !RecordFitsInFile(type, number)) return 0;
  std::vector<unsigned char> record(location.size);
  if (!GetRecordData(type, number, record.data(), static_cast<unsigned long>(record.size()))) return 0;
  GetDataBlocksPresent(record.data(), names, nullptr, static_cast<unsigned long>(record.size()));
  return 1;
}

// One pass over the directory: where each record's data area starts, and
// which entries hold each type, so that (type, number) is found at once.
void Morvane::IndexDirectory() {
  entriesByType.assign(256, {});
  uint64_t offset = kHeaderSize + kCountSize + kDirEntrySize * uint64_t{recordCount};
  for (std::size_t j = 0; j < directory.size(); ++j) {
    recordOffsets.push_back(offset);
    entriesByType[directory[j].type].push_back(static_cast<uint32_t>(j));
    offset += kUnitBytes * directory[j].units;
  }
}

bool Morvane::Locate(unsigned char type, unsigned short number, Location& found) const {
  if (entriesByType.empty() || number == 0 || number > entriesByType[type].size()) return false;
  const uint32_t index = entriesByType[type][number - 1u];
  found = {recordOffsets[index], kUnitBytes * directory[index].units};
  return true;
}

bool Morvane::RecordFitsInFile(unsigned char type, unsigned short number) const {
  Location location{};
  return Locate(type, number, location) && location.offset + location.size <= inputFileSize;
}

bool Morvane::RecordIsComplete(std::size_t index) const {
  if (index >= directory.size()) return false;
  return recordOffsets[index] + kUnitBytes * directory[index].units <= inputFileSize;
}

bool Morvane::ReadRecordAt(std::size_t index, std::vector<unsigned char>& bytes) {
  if (inputFile == nullptr || !RecordIsComplete(index)) return false;
  bytes.resize(kUnitBytes * directory[index].units);
  if (fseeko(inputFile, static_cast<off_t>(recordOffsets[index]), SEEK_SET) != 0) return false;
  return std::fread(bytes.data(), 1, bytes.size(), inputFile) == bytes.size();
}

unsigned long Morvane::GetRecordSize(unsigned char type, unsigned short number) const {
  Location location{};
  return Locate(type, number, location) ? static_cast<unsigned long>(location.size) : 0;
}

int Morvane::GetRecordData(unsigned char type, unsigned short number, unsigned char* buffer, unsigned long size) {
  Location location{};
  if (inputFile == nullptr || buffer == nullptr || !Locate(type, number, location)) return 0;
  if (location.offset + size > inputFileSize) return 0;  // the file ends inside the record
  if (fseeko(inputFile, static_cast<off_t>(location.offset), SEEK_SET) != 0) return 0;
  return std::fread(buffer, 1, size, inputFile) == size ? 1 : 0;
}

int Morvane::ABlockDecoded() const { return aBlockDecoded; }

const char* Morvane::Version() { return "1.10"; }
