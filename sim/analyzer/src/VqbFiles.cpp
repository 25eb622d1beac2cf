#include "simanalyzer/VqbFiles.h"

#include <cstdio>

#include "morvane/Morvane.h"

namespace simanalyzer {
namespace {

constexpr std::size_t kUnitBytes = 256;
constexpr std::size_t kHeaderBytes = 36;
constexpr std::size_t kBlockMaskOffset = 8;
constexpr std::size_t kDataLengthOffset = 4;
constexpr int kSpectralDataBit = 13;

uint16_t U16At(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void AppendU16(std::vector<uint8_t>& out, std::size_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

std::size_t RecordSpan(const std::vector<uint8_t>& dataArea) {
  if (dataArea.size() < kBlockMaskOffset + 2) return dataArea.size();
  const uint16_t mask = U16At(dataArea, kBlockMaskOffset);
  if (mask == 0) return dataArea.size();
  std::size_t offset = 0;
  for (int bit = 0; bit < 16; ++bit) {
    if ((mask & (1u << bit)) == 0) continue;
    if (offset + 2 > dataArea.size()) return dataArea.size();
    const std::size_t length = bit == kSpectralDataBit
                                   ? U16At(dataArea, kDataLengthOffset) + (std::size_t{U16At(dataArea, kDataLengthOffset + 2)} << 16)
                                   : U16At(dataArea, offset);
    if (length < 2 || offset + length > dataArea.size()) return dataArea.size();
    offset += length;
  }
  return offset;
}

LoadedFile LoadVqbFile(const std::string& path, std::string_view memoryName, std::time_t when) {
  Morvane index(path.c_str());
  LoadedFile loaded;
  if (index.GetRecordCount() == 0) {
    loaded.problem = path + " " + index.IndexProblem();
    return loaded;
  }
  MemoryFile file = NewFile(memoryName, when);
  for (std::size_t i = 0; i < index.Directory().size(); ++i) {
    std::vector<unsigned char> bytes;
    if (!index.ReadRecordAt(i, bytes)) {
      loaded.problem = path + " ends inside record " + std::to_string(i + 1) + " of " +
                       std::to_string(index.Directory().size());
      break;
    }
    bytes.resize(RecordSpan(bytes));
    file.records.push_back({index.Directory()[i].type, std::move(bytes)});
  }
  if (!file.records.empty()) loaded.file = std::move(file);
  return loaded;
}

std::vector<uint8_t> VqbFileBytes(int modelNumber, const std::vector<StoredRecord>& records) {
  char header[kHeaderBytes + 1];
  std::snprintf(header, sizeof header, "Vexlor-Quand %04u binary data file.%c",
                static_cast<unsigned>(modelNumber) % 10000u, 0x1A);
  std::vector<uint8_t> out(header, header + kHeaderBytes);
  AppendU16(out, records.size());
  for (const StoredRecord& record : records) {
    out.push_back(record.type);
    AppendU16(out, (record.bytes.size() + kUnitBytes - 1) / kUnitBytes);
  }
  for (const StoredRecord& record : records) {
    out.insert(out.end(), record.bytes.begin(), record.bytes.end());
    out.resize(out.size() + (kUnitBytes - record.bytes.size() % kUnitBytes) % kUnitBytes, 0);
  }
  return out;
}

}  // namespace simanalyzer
