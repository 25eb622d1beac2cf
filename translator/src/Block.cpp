#include "Block.h"

#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

#include "NumberText.h"
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

// Room the line writers' fields take at most after their label: the comma
// and the value, and the line end.
constexpr std::size_t kIntegerRoom = 1 + std::numeric_limits<int32_t>::digits10 + 2;
constexpr std::size_t kFixedRoom = 1 + 400 + 10;  // any double in fixed notation, width 10
constexpr std::size_t kByteBitsRoom = 1 + 8 + 1;
constexpr std::size_t kLineEndRoom = 2;

char* PutInteger(char* end, int32_t value) {
  *end++ = ',';
  return std::to_chars(end, end + kIntegerRoom - 1, value).ptr;
}

char* PutFixed(char* end, double value, int precision, int width) {
  *end++ = ',';
  return FixedChars(end, end + kFixedRoom - 1, value, precision, width);
}

// Puts ",<value>" for each of the `count` values.
template <class Value>
auto ListFill(const Value* values, std::size_t count) {
  return [values, count](char* end) {
    for (std::size_t i = 0; i < count; ++i) end = PutInteger(end, values[i]);
    return end;
  };
}

// The four bits of each nibble as text, the highest first.
constexpr std::array<std::array<char, 4>, 16> kNibbleBits = [] {
  std::array<std::array<char, 4>, 16> table{};
  for (unsigned nibble = 0; nibble < 16; ++nibble) {
    for (unsigned bit = 0; bit < 4; ++bit) table[nibble][bit] = ((nibble >> (3 - bit)) & 1u) != 0 ? '1' : '0';
  }
  return table;
}();

// The low eight bits of `value`, the highest first, and a 'b'.
char* PutByteBits(char* end, uint32_t value) {
  std::memcpy(end, kNibbleBits[(value >> 4) & 0xF].data(), 4);
  std::memcpy(end + 4, kNibbleBits[value & 0xF].data(), 4);
  end[8] = 'b';
  return end + 9;
}

}  // namespace

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
    WriteTextLine(text);
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

template <class Fill>
int Block::WriteLine(const char* text, std::size_t fillRoom, bool lineEnd, Fill fill) {
  if (!CanWrite(text)) return 0;
  const std::size_t length = std::strlen(text);
  char* end = outputFile->Reserve(length + fillRoom + kLineEndRoom);
  std::memcpy(end, text, length);
  end = fill(end + length);
  if (lineEnd) {
    *end++ = '\r';
    *end++ = '\n';
  }
  outputFile->Claim(end);
  return outputFile->EndPiece() ? 1 : 0;
}

int Block::WriteText(const char* text) { return WriteTextLine(text, false); }

int Block::WriteTextLine(const char* text, bool lineEnd) {
  return WriteLine(text, 0, lineEnd, [](char* end) { return end; });
}

int Block::WriteUnsignedByte(const char* label, uint32_t value, bool lineEnd) {
  return WriteInteger(label, static_cast<uint8_t>(value), lineEnd);
}

int Block::WriteShort(const char* label, uint32_t value, bool lineEnd) {
  return WriteInteger(label, static_cast<int16_t>(value), lineEnd);
}

int Block::WriteInteger(const char* label, int32_t value, bool lineEnd) {
  return WriteLine(label, kIntegerRoom, lineEnd, [value](char* end) { return PutInteger(end, value); });
}

int Block::WriteString(const char* label, const char* value, bool lineEnd) {
  const std::string_view text = value != nullptr ? value : "";
  return WriteLine(label, 1 + text.size(), lineEnd, [text](char* end) {
    *end++ = ',';
    std::memcpy(end, text.data(), text.size());
    return end + text.size();
  });
}

int Block::WriteFloat(const char* label, double value, bool lineEnd) {
  return WriteLine(label, kFixedRoom, lineEnd, [value](char* end) { return PutFixed(end, value, 6, 0); });
}

int Block::WriteFloat10_4(const char* label, double value, bool lineEnd) {
  return WriteLine(label, kFixedRoom, lineEnd, [value](char* end) { return PutFixed(end, value, 4, 10); });
}

int Block::WriteByteList(const char* label, const uint8_t* values, std::size_t count, bool lineEnd) {
  const std::size_t present = values != nullptr ? count : 0;
  return WriteLine(label, present * kIntegerRoom, lineEnd, ListFill(values, present));
}

int Block::WriteWordList(const char* label, const uint16_t* values, std::size_t count, bool lineEnd) {
  const std::size_t present = values != nullptr ? count : 0;
  return WriteLine(label, present * kIntegerRoom, lineEnd, ListFill(values, present));
}

int Block::WriteByteBits(const char* label, uint8_t value, bool lineEnd) {
  return WriteLine(label, kByteBitsRoom, lineEnd, [value](char* end) {
    *end++ = ',';
    return PutByteBits(end, value);
  });
}

int Block::WriteWordBits(const char* label, uint16_t value, bool lineEnd) { return WriteBytesBits(label, value, 2, lineEnd); }

int Block::WriteBytesBits(const char* label, uint32_t value, int byteCount, bool lineEnd) {
  if (byteCount < 1 || byteCount > 3) return 0;
  return WriteLine(label, kByteBitsRoom * static_cast<std::size_t>(byteCount), lineEnd, [value, byteCount](char* end) {
    *end++ = ',';
    for (int group = byteCount - 1; group >= 0; --group) {
      end = PutByteBits(end, value >> (8 * group));
      *end++ = ',';
    }
    return end;
  });
}

void NoCommas(char* text) {
  if (text == nullptr) return;
  for (int i = 0; i < kNoCommasSpan && text[i] != '\0'; ++i) {
    if (text[i] == ',') text[i] = ' ';
  }
}
