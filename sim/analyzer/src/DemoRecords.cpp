#include "simanalyzer/DemoRecords.h"

#include <algorithm>
#include <string>
#include <utility>

namespace simanalyzer {
namespace {

constexpr uint8_t kNormal = 1;
constexpr uint8_t kLeq = 2;
constexpr uint8_t kLnTrace = 8;

enum BlockBit { kPrefix = 0, kNote = 1, kSetupStatistics = 5, kStatistics = 6, kWindows = 8 };

class Bytes {
 public:
  Bytes& U8(unsigned value) {
    data_.push_back(static_cast<uint8_t>(value));
    return *this;
  }
  Bytes& U16(unsigned value) { return U8(value & 0xFF).U8(value >> 8); }
  Bytes& U32(unsigned value) { return U16(value & 0xFFFF).U16(value >> 16); }
  // Exactly `width` bytes of `text`, padded with NULs.
  Bytes& Text(const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) U8(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    return *this;
  }
  std::vector<uint8_t> Take() { return std::move(data_); }

 private:
  std::vector<uint8_t> data_;
};

// A block's bytes: its 16-bit length (itself included), then `body`.
std::vector<uint8_t> Block(std::vector<uint8_t> body) {
  std::vector<uint8_t> block = Bytes().U16(static_cast<unsigned>(body.size() + 2)).Take();
  block.insert(block.end(), body.begin(), body.end());
  return block;
}

std::vector<uint8_t> NoteBody(const std::string& note) {
  return Bytes().U8(static_cast<unsigned>(std::min<std::size_t>(note.size(), 64))).Text(note, 64).U8(0).Take();
}

std::vector<uint8_t> SetupStatisticsBody() {
  Bytes body;
  body.U8(0x7F);
  for (const unsigned pen : {1, 5, 10, 50, 90, 95, 99}) body.U8(pen);
  return body.U16(0).U16(400).U16(0).U32(0).U8(0).Take();  // 1 s between samples
}

std::vector<uint8_t> StatisticsBody() {
  Bytes body;
  for (unsigned i = 0; i < 22; ++i) body.U8(i * 3);
  return body.Take();
}

// A slowly varying pattern, as a long stored window would look.
std::vector<uint8_t> WindowsBody(std::size_t size) {
  Bytes body;
  for (std::size_t i = 0; i < size; ++i) body.U8(static_cast<unsigned>((i * 7 + i / 64) & 0xFF));
  return body.Take();
}

// A record of `storeType` holding a prefix block and `blocks` (ascending bits).
StoredRecord Record(uint8_t storeType, std::vector<std::pair<int, std::vector<uint8_t>>> blocks) {
  unsigned mask = 1u << kPrefix;
  for (const auto& block : blocks) mask |= 1u << block.first;
  Bytes prefix;
  prefix.U16(40).U8(storeType).U8(1).U32(0).U16(mask).U16(0x5520).Text("Mar 03 1998 10:15", 18);
  prefix.U8(0).U8(1).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
  StoredRecord record{storeType, prefix.Take()};
  for (const auto& block : blocks) {
    const std::vector<uint8_t> bytes = Block(block.second);
    record.bytes.insert(record.bytes.end(), bytes.begin(), bytes.end());
  }
  return record;
}

}  // namespace

std::vector<StoredRecord> DemoRecords() {
  return {
      Record(kNormal, {{kNote, NoteBody("Pump room, north wall")},
                       {kSetupStatistics, SetupStatisticsBody()},
                       {kStatistics, StatisticsBody()}}),
      Record(kLeq, {{kNote, NoteBody("Compressor at full load")}}),
      Record(kNormal, {{kNote, NoteBody("Background, pump off")}}),
      Record(kLnTrace, {{kNote, NoteBody("Long window capture")}, {kWindows, WindowsBody(3000)}}),
  };
}

StoredRecord DemoMeasurement() { return Record(kNormal, {{kNote, NoteBody("Stored from the front panel")}}); }

}  // namespace simanalyzer
