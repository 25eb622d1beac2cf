// Builds .VQB files and records from a description of their blocks, for tests
// and benchmarks. Everything is little-endian, as in the real files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vqbtest {

using Bytes = std::vector<uint8_t>;

// Appends little-endian fields.
class ByteWriter {
 public:
  ByteWriter& U8(uint32_t value);
  ByteWriter& U16(uint32_t value);
  ByteWriter& U32(uint32_t value);
  // Seconds as a count of 1/400 s below 100 s plus a count of 100 s.
  ByteWriter& Time(uint16_t quarterMilliseconds, uint16_t hundreds);
  // Exactly `width` bytes: the text, cut or padded with NULs.
  ByteWriter& Text(const std::string& text, std::size_t width);
  ByteWriter& Raw(const Bytes& bytes);
  ByteWriter& Zeros(std::size_t count);
  const Bytes& Data() const { return data_; }

 private:
  Bytes data_;
};

// The prefix block's fields (40 bytes when written whole).
struct PrefixFields {
  uint16_t length = 40;
  uint8_t storeType = 1;
  uint8_t hardwareChannels = 2;
  uint32_t dataLength = 0;
  std::optional<uint16_t> blockMask;  // default: the blocks the record holds
  uint16_t codeRev = 0x1234;
  std::string datestamp = "Jan 01 2000 12:00";
  uint8_t inputSet = 0;
  uint8_t inputs[3] = {0, 0, 0};
  uint8_t flags[3] = {0, 0, 0};
  uint8_t reserved[3] = {0, 0, 0};
};

Bytes PrefixBytes(const PrefixFields& fields, uint16_t mask);

// The fixed part of the main system variables block (offsets 2 to 31).
struct MainFields {
  uint8_t systemMode = 0;
  uint8_t channels = 0;  // base-2 exponent of the channel count
  uint16_t tChannels = 0;
  uint8_t dataType = 0;
  uint8_t masterChannel = 0;
  uint8_t filter = 1;
  uint8_t octaveWindow = 0;
  uint16_t baseFrequency = 0;
  uint8_t fftLowPass = 0;
  uint8_t fftWindow = 0;
  uint16_t lifter = 0;
  uint8_t zoom = 0;
  uint16_t bins = 0;
  uint16_t startBin = 0;
  uint8_t tenDbs = 0;
  uint8_t range = 0;
  uint8_t detector = 0;
  uint16_t detectorQuarterMilliseconds = 0;
  uint16_t detectorHundreds = 0;
  uint8_t exptimecode = 0;
  uint8_t constantcode = 0;
  uint8_t inSetIndex = 0;
};

// The main system variables block after its length field: the fixed part,
// then `variable`, the groups that the prefix's channels and flags call for.
Bytes MainBody(const MainFields& fields, const Bytes& variable = {});
// The groups of `channels` channels on hardware without flags: splits,
// units, mode, high pass, low pass and input, group g holding bytes 10g+1, 10g+2...
Bytes PerChannelGroups(int channels);
// Signed 16-bit values, as the spectral data block stores levels. That block
// has no length field: add it with RecordBuilder::RawBlock.
Bytes Words(const std::vector<int16_t>& values);

// The spectral store information block after its length field: `checksum`,
// a run time of 100.5 s, `overload`, then `channelWords` (the sums, then the
// data scales) and `groups`, the bytes that the prefix's flags call for.
Bytes StoreBody(uint16_t checksum, uint16_t overload, const std::vector<int16_t>& channelWords,
                const Bytes& groups = {});

// A plausible standard-mode spectrum record: prefix, main system variables
// and spectral data with `bins` rows of 2^channelExponent channels.
Bytes SpectrumRecord(uint8_t filter, uint16_t bins, uint8_t channelExponent = 0);

// A whole spectral store information block: its length field, then StoreBody
// with checksum 0.
Bytes StoreBlock(uint16_t overload, const std::vector<int16_t>& channelWords, const Bytes& groups = {});
// An autostore block for RecordBuilder::RawBlock: its 12-byte header saying
// `frameCount` frames and the delta time, then the frames' bytes.
Bytes AutostoreBlock(uint16_t frameCount, uint16_t deltaQuarterMilliseconds, const Bytes& frames);
// A plausible standard-mode autostore record: `frameCount` frames of `bins`
// bands of 2^channelExponent channels.
Bytes AutostoreRecord(uint8_t filter, uint16_t bins, uint8_t channelExponent, uint16_t frameCount);

// A maximum-length-sequence impulse record: the 38-byte measurement header
// (rate byte `rate`, channel exponents -1 and 2) and `samples` pairs of a
// decaying, noisy response.
Bytes MlsImpulseRecord(uint8_t rate, std::size_t samples);

class RecordBuilder {
 public:
  explicit RecordBuilder(PrefixFields prefix = {}) : prefix_(std::move(prefix)) {}

  // A block of mask bit `bit` whose bytes after the length field are `body`;
  // the length field says `declaredLength`, by default the true size.
  RecordBuilder& Block(uint16_t bit, const Bytes& body, std::optional<uint16_t> declaredLength = {});
  // Raw bytes for block `bit`, length field included.
  RecordBuilder& RawBlock(uint16_t bit, const Bytes& bytes);
  // Cuts the record to `size` bytes (a block running past the record's end).
  RecordBuilder& CutTo(std::size_t size);

  Bytes Build() const;

 private:
  PrefixFields prefix_;
  std::vector<std::pair<uint16_t, Bytes>> blocks_;
  std::optional<std::size_t> cutTo_;
};

struct FileRecord {
  uint8_t type;
  Bytes bytes;
  std::optional<uint16_t> units;  // default: the size in 256-byte units, rounded up
};

class VqbFileBuilder {
 public:
  VqbFileBuilder& Model(int model);
  VqbFileBuilder& Add(uint8_t type, const Bytes& record, std::optional<uint16_t> units = {});
  // The count field says `count` instead of the number of records added.
  VqbFileBuilder& ClaimCount(uint16_t count);
  Bytes Build() const;
  void WriteTo(const std::string& path) const;

 private:
  int model_ = 1234;
  std::vector<FileRecord> records_;
  std::optional<uint16_t> claimedCount_;
};

// The 36-byte header text of a file made by analyzer `model`.
Bytes HeaderBytes(int model);

void WriteFile(const std::string& path, const Bytes& bytes);
// The whole file as text; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

// The line of equals signs above and below each record banner.
inline const std::string kBannerRule = "===================================\r\n";

}  // namespace vqbtest
