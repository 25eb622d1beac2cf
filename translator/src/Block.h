// Base of every block class: bounded readers over the record buffer, the
// length check and its messages, and the family of line writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "LittleEndianReader.h"
#include "morvane/Morvane.h"

class TextSink;

// Message codes of Report.
enum BlockReportCode : unsigned short {
  kReportMoreData = 1,
  kReportLessData = 2,
  kReportUnreadable = 3,
  kReportNotDecoded = 4,
};

// Profile word of each block kind.
enum ProfileWord : int {
  kWordGeneral = 0,
  kWordP = 1,
  kWordN = 2,
  kWordM = 3,
  kWordTH = 4,
  kWordT = 5,
  kWordLH = 6,
  kWordL = 7,
  kWordI = 8,
  kWordA = 9,
  kWordS = 10,
  kWordD = 11,
};

constexpr uint32_t kGeneralRecordBanner = 0x0001;
constexpr uint32_t kGeneralBlockHeading = 0x0002;
constexpr uint32_t kTranslateThisBlock = 0x0001;

class Block {
 public:
  virtual ~Block() = default;

  virtual int WriteText(const char* text);
  // Start offset of the block with mask bit `bit`, or -1. The bound is recordSize.
  virtual int FindBlock(const unsigned char* record, unsigned short bit, unsigned long size);
  virtual void Report(unsigned short code, const char* label);
  // Reads the block into the members; returns the position reached.
  virtual int Decode(const unsigned char* record, unsigned long size, int report) = 0;

  int IsDecoded() const { return decoded; }
  // Where Report writes when a block embedded in another block's writer
  // decodes with reporting on.
  void SetReportOutput(TextSink* output) { outputFile = output; }

 protected:
  // Reads a block's fields one after another from its start. The first field
  // that does not fit stops the cursor for good; the position then stays at
  // the offset of that field.
  class FieldCursor {
   public:
    FieldCursor(const Block& block, const unsigned char* record, long long start)
        : reader_(record, block.recordSize), position_(start) {}

    bool U8(uint8_t& value) { return Take(1, reader_.U8(position_, value)); }
    bool U16(uint16_t& value) { return Take(2, reader_.U16(position_, value)); }
    bool S16(int16_t& value);
    bool U32(uint32_t& value) { return Take(4, reader_.U32(position_, value)); }
    bool Time(float& value);
    bool Bytes(void* destination, std::size_t count) {
      return Take(static_cast<long long>(count), reader_.Bytes(position_, destination, count));
    }
    // Copies `count` bytes and terminates them; `destination` holds count + 1.
    bool Text(char* destination, std::size_t count);
    bool U16Array(uint16_t* values, std::size_t count);
    // Steps over a gap of `count` bytes that the block layout names.
    void Skip(long long count) {
      if (complete_) position_ += count;
    }
    // An array that the layout steps over whether or not it fits: the
    // position advances by its size either way, and a failed read leaves
    // the values unchanged without stopping the cursor.
    bool BytesOrStep(void* destination, std::size_t count) {
      const bool read = complete_ && reader_.Bytes(position_, destination, count);
      Skip(static_cast<long long>(count));
      return read;
    }
    bool U16ArrayOrStep(uint16_t* values, std::size_t count) {
      const bool read = complete_ && reader_.Fits(position_, 2 * count);
      for (std::size_t i = 0; read && i < count; ++i) reader_.U16(position_ + 2 * static_cast<long long>(i), values[i]);
      Skip(2 * static_cast<long long>(count));
      return read;
    }

    long long Position() const { return position_; }
    bool Complete() const { return complete_; }

   private:
    bool Take(long long width, bool read);

    LittleEndianReader reader_;
    long long position_;
    bool complete_ = true;
  };

  // Bounded readers: 1 and the value, or 0 with the destination unchanged.
  int ReadU8(const unsigned char* record, uint8_t& value, long long offset) const;
  int ReadU16(const unsigned char* record, uint16_t& value, long long offset) const;
  int ReadU32(const unsigned char* record, uint32_t& value, long long offset) const;
  int ReadTime(const unsigned char* record, float& value, long long offset) const;
  int ReadBytes(const unsigned char* record, void* destination, long long offset, std::size_t count) const;
  int ReadText(const unsigned char* record, char* destination, long long offset, std::size_t count) const;
  int ReadU16Array(const unsigned char* record, uint16_t* values, long long offset, std::size_t count) const;

  // The steps every decoder ends with: with `report` set, compares the
  // position with the declared end (when `compareLength`) and reports what
  // is wrong under `label`. Returns `position`.
  int FinishDecode(long long position, long long blockStart, uint16_t declaredLength, int report, const char* label,
                   bool compareLength = true);

  // The steps every writer starts with. Returns false when the block's lines
  // are not to be written at all; otherwise has reported decoding problems
  // and written the heading "<letter> Block" when the profile asks for it.
  bool BeginWrite(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* profile,
                  int profileWord, const char* letter);

  // Line writers: nothing is written and 0 returned when there is no output
  // or no label; otherwise 1 when every byte was written.
  int WriteTextLine(const char* text, bool lineEnd = true);
  int WriteUnsignedByte(const char* label, uint32_t value, bool lineEnd = true);
  int WriteShort(const char* label, uint32_t value, bool lineEnd = true);
  int WriteInteger(const char* label, int32_t value, bool lineEnd = true);
  int WriteString(const char* label, const char* value, bool lineEnd = true);
  int WriteFloat(const char* label, double value, bool lineEnd = true);
  int WriteFloat10_4(const char* label, double value, bool lineEnd = true);
  int WriteByteList(const char* label, const uint8_t* values, std::size_t count, bool lineEnd = true);
  int WriteWordList(const char* label, const uint16_t* values, std::size_t count, bool lineEnd = true);
  int WriteByteBits(const char* label, uint8_t value, bool lineEnd = true);
  int WriteWordBits(const char* label, uint16_t value, bool lineEnd = true);
  int WriteBytesBits(const char* label, uint32_t value, int byteCount, bool lineEnd = true);

  const _DataProfileTag* profile = nullptr;
  int decoded = 0;
  uint32_t recordSize = 0;
  TextSink* outputFile = nullptr;

 private:
  int Emit(std::string line, bool lineEnd);
  bool CanWrite(const char* label) const { return outputFile != nullptr && label != nullptr; }
};

// Replaces every comma in the first 128 characters of `text` by a space.
void NoCommas(char* text);
