#include "simanalyzer/DemoRecords.h"

#include <algorithm>
#include <string>
#include <utility>

namespace simanalyzer {
namespace {

constexpr uint8_t kNormal = 1;
constexpr uint8_t kLeq = 2;
constexpr uint8_t kLnTrace = 8;

enum BlockBit { kPrefix = 0, kNote = 1, kMain = 2, kSetupStatistics = 5, kStatistics = 6, kWindows = 8, kSpectralData = 13 };

// A one-channel 1/3-octave spectrum from 20 Hz (band 13, entry 14 of the
// band table) to 20 kHz (band 43).
constexpr unsigned kThirdOctaveFilter = 1;
constexpr unsigned kFirstBandEntry = 14;
constexpr unsigned kBands = 31;

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

// Main system variables of a standard-mode measurement of one channel with
// the spectrum above, 1 s detector time.
std::vector<uint8_t> MainBody() {
  Bytes body;
  body.U8(0).U8(0).U16(0).U8(0).U8(0).U8(0);                           // mode, 2^0 channels, t channels, type, master, gap
  body.U8(kThirdOctaveFilter).U8(0).U16(0).U8(1).U8(0).U16(0).U8(0);  // filter .. zoom
  body.U16(kBands).U16(kFirstBandEntry).U8(0).U8(0).U8(0);            // bins, start bin, ten dbs, range, detector
  body.U16(400).U16(0).U8(0).U8(0).U8(0);                              // detector time, codes, input set
  for (unsigned group = 0; group < 6; ++group) body.U8(0);            // splits, units, mode, high/low pass, input
  return body.Take();
}

// Levels of a pump's spectrum in 8.8 fixed-point base-2 logarithms
// (256 steps = 6.02 dB): broad-band noise with a tonal peak at 100 Hz.
std::vector<uint8_t> SpectrumLevels(double offsetDb) {
  Bytes levels;
  for (unsigned band = 0; band < kBands; ++band) {
    const double db = offsetDb + 62.0 - 0.6 * band + (band == 7 ? 14.0 : 0.0);
    levels.U16(static_cast<unsigned>(static_cast<int>(db * 256 / 6.0206)) & 0xFFFF);
  }
  return levels.Take();
}

// A slowly varying pattern, as a long stored window would look.
std::vector<uint8_t> WindowsBody(std::size_t size) {
  Bytes body;
  for (std::size_t i = 0; i < size; ++i) body.U8(static_cast<unsigned>((i * 7 + i / 64) & 0xFF));
  return body.Take();
}

// A record of `storeType` holding a prefix block, `blocks` (ascending bits)
// and, when not empty, the spectral data block's `spectrum` (it has no length field).
StoredRecord Record(uint8_t storeType, std::vector<std::pair<int, std::vector<uint8_t>>> blocks,
                    const std::vector<uint8_t>& spectrum = {}) {
  unsigned mask = 1u << kPrefix;
  for (const auto& block : blocks) mask |= 1u << block.first;
  if (!spectrum.empty()) mask |= 1u << kSpectralData;
  Bytes prefix;
  prefix.U16(40).U8(storeType).U8(1).U32(static_cast<unsigned>(spectrum.size())).U16(mask).U16(0x5520);
  prefix.Text("Mar 03 1998 10:15", 18);
  prefix.U8(0).U8(1).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
  StoredRecord record{storeType, prefix.Take()};
  for (const auto& block : blocks) {
    const std::vector<uint8_t> bytes = Block(block.second);
    record.bytes.insert(record.bytes.end(), bytes.begin(), bytes.end());
  }
  record.bytes.insert(record.bytes.end(), spectrum.begin(), spectrum.end());
  return record;
}

}  // namespace

std::vector<StoredRecord> DemoRecords() {
  return {
      Record(kNormal, {{kNote, NoteBody("Pump room, north wall")},
                       {kSetupStatistics, SetupStatisticsBody()},
                       {kStatistics, StatisticsBody()}}),
      Record(kLeq, {{kNote, NoteBody("Compressor at full load")}, {kMain, MainBody()}}, SpectrumLevels(0)),
      Record(kNormal, {{kNote, NoteBody("Background, pump off")}, {kMain, MainBody()}}, SpectrumLevels(-25)),
      Record(kLnTrace, {{kNote, NoteBody("Long window capture")}, {kWindows, WindowsBody(3000)}}),
  };
}

StoredRecord DemoMeasurement() { return Record(kNormal, {{kNote, NoteBody("Stored from the front panel")}}); }

}  // namespace simanalyzer
