// Morvane: reads binary data files (.VQB), indexes their records and blocks,
// and translates chosen records into comma-separated text under a data profile.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// blockSelect value meaning "the blocks that each record's own block mask lists".
constexpr unsigned short ALL_PRESENT_BLOCKS = 0x0080;

constexpr int kRecordTypeNameSize = 12;
constexpr int kBlockNameSize = 30;
constexpr int kBlockSlots = 16;
constexpr int kProfileWords = 12;
constexpr int kTranslatePathSize = 256;

// One record of a binary data file, addressed by type code and its 1-based
// number among the records of that type.
struct _RecordEntryTag {
  unsigned char type;
  unsigned short number;
  char name[kRecordTypeNameSize];
};

// Slot i receives the name of block i when that block is present.
struct _DataBlocksTag {
  char name[kBlockSlots][kBlockNameSize];
};

// Word 0 governs the whole output; words 1..11 the blocks P, N, M, TH, T, LH,
// L, I, A, S, D. Bit 0 of a block word means "translate this block".
struct _DataProfileTag {
  uint32_t word[kProfileWords];
};

struct _TranslateInfoTag {
  char inputPath[kTranslatePathSize];
  char outputPath[kTranslatePathSize];
  _DataProfileTag* profile;
  _RecordEntryTag* records;
  unsigned short recordTotal;
  unsigned short blockSelect;
  const char* preamble;
  unsigned short preambleLength;
};

struct RecordDirEntry {
  uint8_t type;
  uint16_t units;
};

// A Standard-mode spectrum as numbers rather than text: the bands in the
// order the translation writes them, one list of levels per channel.
struct StandardSpectrum {
  std::vector<std::string> bandLabels;      // each band's label as translated, with its unit
  std::vector<std::vector<float>> levels;   // levels[channel][band] in dB, as translated
};

class TextSink;

class Morvane {
 public:
  Morvane();
  explicit Morvane(const char* path);
  ~Morvane();
  Morvane(const Morvane&) = delete;
  Morvane& operator=(const Morvane&) = delete;

  unsigned short GetRecordCount() const;
  int GetRecordsInFile(_RecordEntryTag* entries) const;
  // Works on a record already in memory of at least `size` bytes.
  int GetDataBlocksPresent(const unsigned char* record, _DataBlocksTag* names, unsigned short* mask,
                           unsigned long size = kMinimumRecordSize) const;
  int GetDataBlocksPresent(unsigned char type, unsigned short number, _DataBlocksTag* names);
  int Translate(_TranslateInfoTag* info);
  int ABlockDecoded() const;
  static const char* Version();

  // Directory access for listings: the entry's byte size and whether the
  // file really holds all of its bytes.
  const std::vector<RecordDirEntry>& Directory() const { return directory; }
  bool RecordIsComplete(std::size_t index) const;
  // The whole data area of directory entry `index`; false when the file does not hold it all.
  bool ReadRecordAt(std::size_t index, std::vector<unsigned char>& bytes);
  const char* HeaderText() const { return headerText; }
  // Why the last open or Init left the object without records; empty when it has them.
  const std::string& IndexProblem() const { return indexProblem; }

  // A record must hold at least its block mask (bytes 8-9).
  static constexpr unsigned long kMinimumRecordSize = 10;

  // Spectrum as numbers.
  // Record (type, number)'s spectral data block when it holds a Standard-mode
  // spectrum (the ",Bin,Freq Hz,Channel 1" layout): 1 with `spectrum`
  // filled, else 0 with it empty. Rows stop where the translation's do.
  int GetStandardSpectrum(unsigned char type, unsigned short number, StandardSpectrum* spectrum);

 protected:
  int Init(std::FILE* file);
  unsigned long GetRecordSize(unsigned char type, unsigned short number) const;
  int GetRecordData(unsigned char type, unsigned short number, unsigned char* buffer, unsigned long size);
  int TranslateRecord(const unsigned char* record, unsigned char type, unsigned short number, unsigned long size,
                      TextSink* outputFile, const _DataProfileTag* profile, unsigned short blockSelect);

 private:
  struct Location {
    uint64_t offset;
    uint64_t size;
  };
  bool Locate(unsigned char type, unsigned short number, Location& found) const;
  // False for a record whose data area runs past the end of the file: it is never allocated or read.
  bool RecordFitsInFile(unsigned char type, unsigned short number) const;
  void IndexDirectory();
  uint64_t RecordOffset(std::size_t index) const;
  void CloseInput();
  // Reads `size` bytes at `offset` of the input, seeking only when needed.
  bool ReadInput(uint64_t offset, void* buffer, std::size_t size);
  int TranslateRecords(const _TranslateInfoTag& info, const _DataProfileTag& profile, TextSink& output);

  std::vector<RecordDirEntry> directory;
  uint64_t dataAreaStart = 0;                // file offset of the first entry's data area
  std::vector<uint32_t> recordStartUnits;    // 256-byte units before each entry's data area
  std::vector<uint32_t> entriesInTypeOrder;  // directory indices by type code, in file order within a type
  std::array<uint32_t, 257> typeStarts{};    // where each type code's indices begin in entriesInTypeOrder
  unsigned short recordCount = 0;
  char headerText[36] = {};
  std::FILE* inputFile = nullptr;
  std::vector<char> inputBlock;  // the stream's buffer while a translation reads the records
  uint64_t inputFileSize = 0;
  static constexpr uint64_t kUnknownPosition = UINT64_MAX;
  uint64_t inputPosition = kUnknownPosition;  // where inputFile stands, as far as known
  int aBlockDecoded = 0;
  std::string indexProblem;
};
