#include "Block.h"

#include <cstring>

#include "TextSink.h"

namespace {

constexpr long long kBlockMaskOffset = 8;
constexpr int kMaskBits = 16;
constexpr int kNoCommasSpan = 128;

const char* const kMoreDataText =
    "Record contains more data than the translator expected. Some incorrect results may occur.";
const char* const kUpdateText = "Please update your version of the translator.";
const char* const kLessDataText = "Record contains less data than the translator expected. Expect incorrect results.";
const char* const kUnreadableText = "Error reading this block.  Data not initialized correctly.";

// Seconds held as a count of 1/400 s below 100 s plus a count of 100 s,
// rounded to a float once: summing in float would round twice and print
// 3208 and 1 as 108.020004 instead of 108.019997.
float TimeFromWords(uint16_t quarterMilliseconds, uint16_t hundreds) {
  return static_cast<float>(static_cast<double>(quarterMilliseconds) / 400.0 + 100.0 * static_cast<double>(hundreds));
}

}  // namespace

bool Block::FieldCursor::Take(long long width, bool read) {
  if (!complete_) return false;
  if (!read) {
    complete_ = false;
    return false;
  }
  position_ += width;
  return true;
}

bool Block::FieldCursor::S16(int16_t& value) {
  uint16_t raw = 0;
  if (!U16(raw)) return false;
  value = static_cast<int16_t>(raw);
  return true;
}

bool Block::FieldCursor::Time(float& value) {
  uint16_t low = 0, high = 0;
  if (!complete_ || !reader_.Fits(position_, 4)) return Take(4, false);
  reader_.U16(position_, low);
  reader_.U16(position_ + 2, high);
  value = TimeFromWords(low, high);
  return Take(4, true);
}

bool Block::FieldCursor::Text(char* destination, std::size_t count) {
  if (!Bytes(destination, count)) return false;
  destination[count] = '\0';
  return true;
}

bool Block::FieldCursor::U16Array(uint16_t* values, std::size_t count) {
  if (!complete_ || !reader_.Fits(position_, 2 * count)) return Take(0, false);
  for (std::size_t i = 0; i < count; ++i) U16(values[i]);
  return true;
}

int Block::ReadU8(const unsigned char* record, uint8_t& value, long long offset) const {
  return LittleEndianReader(record, recordSize).U8(offset, value) ? 1 : 0;
}

int Block::ReadU16(const unsigned char* record, uint16_t& value, long long offset) const {
  return LittleEndianReader(record, recordSize).U16(offset, value) ? 1 : 0;
}

int Block::ReadU32(const unsigned char* record, uint32_t& value, long long offset) const {
  return LittleEndianReader(record, recordSize).U32(offset, value) ? 1 : 0;
}

int Block::ReadTime(const unsigned char* record, float& value, long long offset) const {
  const LittleEndianReader reader(record, recordSize);
  uint16_t low = 0, high = 0;
  if (!reader.Fits(offset, 4)) return 0;
  reader.U16(offset, low);
  reader.U16(offset + 2, high);
  value = TimeFromWords(low, high);
  return 1;
}

int Block::ReadBytes(const unsigned char* record, void* destination, long long offset, std::size_t count) const {
  return LittleEndianReader(record, recordSize).Bytes(offset, destination, count) ? 1 : 0;
}

int Block::ReadText(const unsigned char* record, char* destination, long long offset, std::size_t count) const {
  return ReadBytes(record, destination, offset, count);
}

int Block::ReadU16Array(const unsigned char* record, uint16_t* values, long long offset, std::size_t count) const {
  const LittleEndianReader reader(record, recordSize);
  if (!reader.Fits(offset, 2 * count)) return 0;
  for (std::size_t i = 0; i < count; ++i) reader.U16(offset + 2 * static_cast<long long>(i), values[i]);
  return 1;
}

int Block::FindBlock(const unsigned char* record, unsigned short bit, unsigned long /*size*/) {
  uint16_t mask = 0;
  if (record == nullptr || !ReadU16(record, mask, kBlockMaskOffset) || (mask & bit) == 0) return -1;
  long long offset = 0;
  for (int i = 0; i < kMaskBits; ++i) {
    const unsigned current = 1u << i;
    if ((mask & current) == 0) continue;
    if (current == bit) return static_cast<int>(offset);
    uint16_t length = 0;
    if (!ReadU16(record, length, offset)) return -1;
    offset += length;
  }
  return -1;  // `bit` names more than one block
}

void Block::Report(unsigned short code, const char* label) {
  if (outputFile == nullptr) return;
  const auto line = [this, label](const char* text) {
    if (label != nullptr) {
      outputFile->Put(label);
      outputFile->Put(": ");
    }
    outputFile->Put(text);
    EndLine(true);
  };
  switch (code) {
    case kReportMoreData:
      line(kMoreDataText);
      WriteTextLine(kUpdateText);
      break;
    case kReportLessData:
      line(kLessDataText);
      break;
    case kReportUnreadable:
    case kReportNotDecoded:
      line(kUnreadableText);
      break;
    default:
      break;
  }
}

int Block::FinishDecode(long long position, long long blockStart, uint16_t declaredLength, int report,
                        const char* label, bool compareLength) {
  if (report != 0) {
    // A block that was not found compares against a start of 0, so that its
    // position of -1 reports the "more data" lines.
    const long long declaredEnd = (blockStart < 0 ? 0 : blockStart) + declaredLength;
    if (position == 0) {
      Report(kReportUnreadable, label);
    } else if (compareLength && position < declaredEnd) {
      Report(kReportMoreData, label);
    } else if (compareLength && position > declaredEnd) {
      Report(kReportLessData, label);
    }
    if (decoded == 0) Report(kReportNotDecoded, label);
  }
  return static_cast<int>(position);
}

bool Block::BeginWrite(const unsigned char* record, unsigned long size, TextSink* output,
                       const _DataProfileTag* profileToUse, int profileWord, const char* letter) {
  if (record == nullptr || profileToUse == nullptr) return false;
  profile = profileToUse;
  outputFile = output;
  recordSize = static_cast<uint32_t>(size);
  if ((profile->word[profileWord] & kTranslateThisBlock) == 0) return false;
  if (decoded == 0) Decode(record, size, 1);
  if ((profile->word[kWordGeneral] & kGeneralBlockHeading) != 0) {
    WriteText((std::string(letter) + " Block\r\n").c_str());
  }
  return true;
}

int Block::EndLine(bool lineEnd) {
  if (lineEnd) outputFile->Put("\r\n");
  return outputFile->EndPiece() ? 1 : 0;
}

void Block::PutLabel(const char* label) {
  outputFile->Put(label);
  outputFile->Put(',');
}

int Block::WriteText(const char* text) { return WriteTextLine(text, false); }

int Block::WriteTextLine(const char* text, bool lineEnd) {
  if (!CanWrite(text)) return 0;
  outputFile->Put(text);
  return EndLine(lineEnd);
}

int Block::WriteUnsignedByte(const char* label, uint32_t value, bool lineEnd) {
  return WriteInteger(label, static_cast<uint8_t>(value), lineEnd);
}

int Block::WriteShort(const char* label, uint32_t value, bool lineEnd) {
  return WriteInteger(label, static_cast<int16_t>(value), lineEnd);
}

int Block::WriteInteger(const char* label, int32_t value, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  PutLabel(label);
  outputFile->PutInteger(value);
  return EndLine(lineEnd);
}

int Block::WriteString(const char* label, const char* value, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  PutLabel(label);
  if (value != nullptr) outputFile->Put(value);
  return EndLine(lineEnd);
}

int Block::WriteFloat(const char* label, double value, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  PutLabel(label);
  outputFile->PutFixed(value, 6);
  return EndLine(lineEnd);
}

int Block::WriteFloat10_4(const char* label, double value, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  PutLabel(label);
  outputFile->PutFixed(value, 4, 10);
  return EndLine(lineEnd);
}

template <class Value>
int Block::WriteList(const char* label, const Value* values, std::size_t count, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  outputFile->Put(label);
  for (std::size_t i = 0; values != nullptr && i < count; ++i) {
    outputFile->Put(',');
    outputFile->PutInteger(values[i]);
  }
  return EndLine(lineEnd);
}

int Block::WriteByteList(const char* label, const uint8_t* values, std::size_t count, bool lineEnd) {
  return WriteList(label, values, count, lineEnd);
}

int Block::WriteWordList(const char* label, const uint16_t* values, std::size_t count, bool lineEnd) {
  return WriteList(label, values, count, lineEnd);
}

int Block::WriteByteBits(const char* label, uint8_t value, bool lineEnd) {
  if (!CanWrite(label)) return 0;
  PutLabel(label);
  outputFile->PutBits(value, 8);
  outputFile->Put('b');
  return EndLine(lineEnd);
}

int Block::WriteWordBits(const char* label, uint16_t value, bool lineEnd) { return WriteBytesBits(label, value, 2, lineEnd); }

int Block::WriteBytesBits(const char* label, uint32_t value, int byteCount, bool lineEnd) {
  if (!CanWrite(label) || byteCount < 1 || byteCount > 3) return 0;
  PutLabel(label);
  for (int group = byteCount - 1; group >= 0; --group) {
    outputFile->PutBits(value >> (8 * group), 8);
    outputFile->Put("b,");
  }
  return EndLine(lineEnd);
}

void NoCommas(char* text) {
  if (text == nullptr) return;
  for (int i = 0; i < kNoCommasSpan && text[i] != '\0'; ++i) {
    if (text[i] == ',') text[i] = ' ';
  }
}
