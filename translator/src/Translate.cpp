#include <cstdio>
#include <cstring>
#include <new>

#include "BlockWriterTable.h"
#include "LittleEndianReader.h"
#include "ReplacingFile.h"
#include "TextSink.h"
#include "morvane/DataProfileText.h"
#include "morvane/Morvane.h"
#include "morvane/Names.h"

namespace {

constexpr int kMaskBits = 16;
constexpr unsigned short kAutostoreBit = 0x0800;
constexpr long long kBlockMaskOffset = 8;
constexpr uint32_t kRecordBanner = 0x0001;
const char* const kBannerRule = "===================================\r\n";
constexpr std::size_t kInputBlockBytes = std::size_t{1} << 20;

// The input and output paths are fixed-size fields; read them only up to their end.
std::string PathField(const char (&field)[kTranslatePathSize]) { return std::string(field, strnlen(field, sizeof field)); }

}  // namespace

int Morvane::Translate(_TranslateInfoTag* info) {
  if (info == nullptr || info->records == nullptr || info->recordTotal == 0) return 0;
  const _DataProfileTag profile = info->profile != nullptr ? *info->profile : morvane::EveryOptionProfile();

  CloseInput();
  inputFile = std::fopen(PathField(info->inputPath).c_str(), "rb");
  if (inputFile == nullptr) return 0;
  // The records are read one after another: in large blocks, not in the
  // stream's default pieces of a few kilobytes. (Without a buffer of its own,
  // the C library keeps its default size.)
  inputBlock.resize(kInputBlockBytes);
  std::setvbuf(inputFile, inputBlock.data(), _IOFBF, inputBlock.size());
  int result = 0;
  if (Init(inputFile) != 0) {
    ReplacingFile output;
    if (output.Open(PathField(info->outputPath))) {
      TextSink sink(output.Stream());
      const int written = TranslateRecords(*info, profile, sink);
      result = written != 0 && output.Commit() ? 1 : 0;
    }
  }
  CloseInput();
  return result;
}

int Morvane::TranslateRecords(const _TranslateInfoTag& info, const _DataProfileTag& profile, TextSink& output) {
  if (info.preamble != nullptr && info.preambleLength != 0) output.Write({info.preamble, info.preambleLength});
  std::vector<unsigned char> record;
  for (unsigned short i = 0; i < info.recordTotal && !output.Failed(); ++i) {
    const _RecordEntryTag& entry = info.records[i];
    const unsigned long size = GetRecordSize(entry.type, entry.number);
    if (size == 0 || !RecordFitsInFile(entry.type, entry.number)) continue;
    try {
      record.resize(size);
    } catch (const std::bad_alloc&) {
      continue;
    }
    if (GetRecordData(entry.type, entry.number, record.data(), size) != 0) {
      TranslateRecord(record.data(), entry.type, entry.number, size, &output, &profile, info.blockSelect);
    }
  }
  return output.Flush() ? 1 : 0;
}

int Morvane::TranslateRecord(const unsigned char* record, unsigned char type, unsigned short number,
                             unsigned long size, TextSink* outputFile, const _DataProfileTag* profile,
                             unsigned short blockSelect) {
  if (profile == nullptr || outputFile == nullptr) return 0;
  if ((profile->word[0] & kRecordBanner) != 0) {
    outputFile->Put(kBannerRule);
    outputFile->Put("Output of ");
    outputFile->Put(morvane::RecordTypeName(type));
    outputFile->Put(' ');
    outputFile->PutInteger(number);
    outputFile->Put("\r\n");
    outputFile->Put(kBannerRule);
    outputFile->EndPiece();
  }
  uint16_t mask = blockSelect;
  if (blockSelect == ALL_PRESENT_BLOCKS) {
    mask = 0;
    LittleEndianReader(record, size).U16(kBlockMaskOffset, mask);
  }
  for (int bit = 0; bit < kMaskBits; ++bit) {
    const unsigned blockBit = 1u << bit;
    const BlockWriteFunction write = FindBlockWriter(bit);
    if ((mask & blockBit) == 0 || write == nullptr) continue;
    write(record, size, outputFile, profile);
    if (blockBit == kAutostoreBit) aBlockDecoded = 1;
  }
  return 0;
}
