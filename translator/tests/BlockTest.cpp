// The block framework: bounded readers, FindBlock, the length check and its
// messages, the writing steps and every line writer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Block.h"
#include "TextSink.h"
#include "VqbBuilder.h"

using vqbtest::Bytes;

namespace {

constexpr uint16_t kSampleBit = 0x0004;
constexpr uint16_t kSampleLength = 13;

// A block kind made for the tests, shaped like every real one: the length,
// then a byte, a word, a time and four characters (13 bytes in all).
class SampleBlock : public Block {
 public:
  int Decode(const unsigned char* record, unsigned long size, int report) override {
    recordSize = static_cast<uint32_t>(size);
    const long long start = FindBlock(record, kSampleBit, size);
    FieldCursor fields(*this, record, start);
    if (fields.U16(declared) && fields.U8(byte) && fields.U16(word) && fields.Time(time) && fields.Text(text, 4)) {
      decoded = 1;
    }
    return FinishDecode(fields.Position(), start, declared, report, "Sample_Block");
  }

  void Write(const unsigned char* record, unsigned long size, TextSink* output, const _DataProfileTag* tag) {
    if (!BeginWrite(record, size, output, tag, kWordM, "X")) return;
    WriteUnsignedByte(",Byte", byte);
    WriteShort(",Word", word);
    WriteFloat(",Time", time);
    WriteString(",Text", text);
  }

  using Block::ReadBytes;
  using Block::ReadTime;
  using Block::ReadU16;
  using Block::ReadU16Array;
  using Block::ReadU32;
  using Block::ReadU8;
  using Block::recordSize;

  uint16_t declared = 0;
  uint8_t byte = 0;
  uint16_t word = 0;
  float time = 0;
  char text[5] = {};
};

// Gives the line writers a string to write into.
class WriterProbe : public SampleBlock {
 public:
  explicit WriterProbe(std::string* destination) : sink(destination) { outputFile = &sink; }
  TextSink sink;
  using Block::WriteByteBits;
  using Block::WriteByteList;
  using Block::WriteBytesBits;
  using Block::WriteFloat;
  using Block::WriteFloat10_4;
  using Block::WriteInteger;
  using Block::WriteShort;
  using Block::WriteString;
  using Block::WriteTextLine;
  using Block::WriteUnsignedByte;
  using Block::WriteWordBits;
  using Block::WriteWordList;
};

Bytes SampleBody() {
  vqbtest::ByteWriter w;
  w.U8(200).U16(0xFFFE).Time(200, 1).Text("ab,c", 4);
  return w.Data();
}

_DataProfileTag Profile(uint32_t general, uint32_t blockWord) {
  _DataProfileTag tag{};
  tag.word[kWordGeneral] = general;
  tag.word[kWordM] = blockWord;
  return tag;
}

std::string Translate(const Bytes& record, uint32_t general = 0x3) {
  std::string text;
  TextSink sink(&text);
  const _DataProfileTag tag = Profile(general, 1);
  SampleBlock block;
  block.Write(record.data(), static_cast<unsigned long>(record.size()), &sink, &tag);
  return text;
}

const std::string kFields = ",Byte,200\r\n,Word,-2\r\n,Time,100.500000\r\n,Text,ab,c\r\n";
const std::string kMore =
    "Sample_Block: Record contains more data than the translator expected. Some incorrect results may "
    "occur.\r\nPlease update your version of the translator.\r\n";
const std::string kLess =
    "Sample_Block: Record contains less data than the translator expected. Expect incorrect results.\r\n";
const std::string kUnreadable = "Sample_Block: Error reading this block.  Data not initialized correctly.\r\n";

TEST(BlockReaders, ReadUpToTheLastByteOfTheRecordAndNoFurther) {
  Bytes record(256, 0);
  record[252] = 0x34;
  record[253] = 0x12;
  record[254] = 0x78;
  record[255] = 0x56;
  SampleBlock block;
  block.recordSize = 256;
  uint32_t u32 = 7;
  EXPECT_EQ(block.ReadU32(record.data(), u32, 252), 1);
  EXPECT_EQ(u32, 0x56781234u);
  uint8_t u8 = 7;
  EXPECT_EQ(block.ReadU8(record.data(), u8, 255), 1);
  EXPECT_EQ(u8, 0x56);
  uint16_t u16 = 7;
  EXPECT_EQ(block.ReadU16(record.data(), u16, 255), 0);
  EXPECT_EQ(u16, 7) << "a failed read leaves its destination alone";
  EXPECT_EQ(block.ReadU16(record.data(), u16, -1), 0);
  EXPECT_EQ(block.ReadU16(nullptr, u16, 0), 0);
  EXPECT_EQ(block.ReadU8(record.data(), u8, 256), 0);
  float time = -1;
  EXPECT_EQ(block.ReadTime(record.data(), time, 253), 0);
  EXPECT_EQ(time, -1);
  uint16_t words[2] = {9, 9};
  EXPECT_EQ(block.ReadU16Array(record.data(), words, 252, 2), 1);
  EXPECT_EQ(words[1], 0x5678);
  EXPECT_EQ(block.ReadU16Array(record.data(), words, 254, 2), 0);
  char bytes[8] = {};
  EXPECT_EQ(block.ReadBytes(record.data(), bytes, 250, 6), 1);
  EXPECT_EQ(block.ReadBytes(record.data(), bytes, 251, 6), 0);
  EXPECT_EQ(block.ReadBytes(record.data(), bytes, 1LL << 40, 1), 0);
}

TEST(BlockReaders, TimeIsQuarterMillisecondsPlusHundredsOfSeconds) {
  vqbtest::ByteWriter w;
  w.Time(200, 1).Time(399, 0).Time(0, 655);
  SampleBlock block;
  block.recordSize = static_cast<uint32_t>(w.Data().size());
  float time = 0;
  ASSERT_EQ(block.ReadTime(w.Data().data(), time, 0), 1);
  EXPECT_FLOAT_EQ(time, 100.5f);
  block.ReadTime(w.Data().data(), time, 4);
  EXPECT_FLOAT_EQ(time, 0.9975f);
  block.ReadTime(w.Data().data(), time, 8);
  EXPECT_FLOAT_EQ(time, 65500.0f);
}

TEST(BlockReaders, TimeIsTheNearestFloatToTheExactSeconds) {
  vqbtest::ByteWriter w;
  w.Time(3208, 1).Time(3217, 1);
  SampleBlock block;
  block.recordSize = static_cast<uint32_t>(w.Data().size());
  float time = 0;
  block.ReadTime(w.Data().data(), time, 0);
  EXPECT_EQ(time, 108.02f);
  block.ReadTime(w.Data().data(), time, 4);
  EXPECT_EQ(time, 108.0425f);
}

TEST(FindBlock, WalksTheLengthsOfTheBlocksBefore) {
  const Bytes record =
      vqbtest::RecordBuilder().Block(0x0002, Bytes(8, 0)).Block(0x0004, Bytes(4, 0)).Block(0x2000, {}).Build();
  SampleBlock block;
  block.recordSize = static_cast<uint32_t>(record.size());
  EXPECT_EQ(block.FindBlock(record.data(), 0x0001, 0), 0);
  EXPECT_EQ(block.FindBlock(record.data(), 0x0002, 0), 40);
  EXPECT_EQ(block.FindBlock(record.data(), 0x0004, 0), 50);
  EXPECT_EQ(block.FindBlock(record.data(), 0x2000, 0), 56);
  EXPECT_EQ(block.FindBlock(record.data(), 0x0800, 0), -1);
  EXPECT_EQ(block.FindBlock(nullptr, 0x0001, 0), -1);
  // A length that points past the record makes the following blocks absent.
  Bytes broken = record;
  broken[40] = 0xFF;
  broken[41] = 0xFF;
  EXPECT_EQ(block.FindBlock(broken.data(), 0x0004, 0), 40 + 0xFFFF);
  EXPECT_EQ(block.FindBlock(broken.data(), 0x2000, 0), -1);
}

TEST(BlockDecoding, LengthChecksReportBeforeTheHeading) {
  struct Case {
    const char* what;
    Bytes record;
    std::string expected;
  };
  const Bytes body = SampleBody();
  const Case cases[] = {
      {"exact", vqbtest::RecordBuilder().Block(kSampleBit, body).Build(), "X Block\r\n" + kFields},
      {"declared 4 longer", vqbtest::RecordBuilder().Block(kSampleBit, body, kSampleLength + 4).Build(),
       kMore + "X Block\r\n" + kFields},
      {"declared shorter", vqbtest::RecordBuilder().Block(kSampleBit, body, kSampleLength - 2).Build(),
       kLess + "X Block\r\n" + kFields},
      {"cut by the record's end", vqbtest::RecordBuilder().Block(kSampleBit, body).CutTo(40 + 6).Build(),
       kMore + kUnreadable + "X Block\r\n,Byte,200\r\n,Word,-2\r\n,Time,0.000000\r\n,Text,\r\n"},
      {"absent from the mask", vqbtest::RecordBuilder().Build(),
       kMore + kUnreadable + "X Block\r\n,Byte,0\r\n,Word,0\r\n,Time,0.000000\r\n,Text,\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Translate(c.record), c.expected) << c.what;
}

TEST(BlockDecoding, PositionZeroReportsUnreadableTwice) {
  // A block found at offset 0 whose length cannot be read.
  class AtZero : public SampleBlock {
   public:
    int Decode(const unsigned char* record, unsigned long size, int report) override {
      recordSize = static_cast<uint32_t>(size);
      FieldCursor fields(*this, record, 0);
      fields.U16(declared);
      return FinishDecode(fields.Position(), 0, declared, report, "Sample_Block");
    }
  };
  std::string text;
  TextSink sink(&text);
  const _DataProfileTag tag = Profile(0, 1);
  const Bytes record(1, 0);
  AtZero block;
  block.Write(record.data(), 1, &sink, &tag);
  EXPECT_EQ(text.substr(0, 2 * kUnreadable.size()), kUnreadable + kUnreadable);
}

TEST(BlockWriting, ProfileWordsDecideWhatIsWritten) {
  const Bytes record = vqbtest::RecordBuilder().Block(kSampleBit, SampleBody()).Build();
  EXPECT_EQ(Translate(record, 0x0), kFields) << "no heading without word 0 bit 1";
  std::string text;
  TextSink sink(&text);
  SampleBlock block;
  const _DataProfileTag off = Profile(0x3, 0xFFFFFFFE);
  block.Write(record.data(), static_cast<unsigned long>(record.size()), &sink, &off);
  EXPECT_EQ(text, "") << "bit 0 of the block word clear";
  block.Write(nullptr, 0, &sink, &off);
  block.Write(record.data(), 10, &sink, nullptr);
  EXPECT_EQ(text, "");
}

TEST(LineWriters, FormatEveryKind) {
  std::string text;
  WriterProbe w(&text);
  const uint8_t bytes[] = {1, 200, 3};
  const uint16_t words[] = {65535, 0};
  w.WriteTextLine("plain");
  w.WriteTextLine("no end", false);
  w.WriteUnsignedByte(",U8", 0x1FF);
  w.WriteShort(",S16", 0xFFFF);
  w.WriteInteger(",I32", -7);
  w.WriteString(",Str", "x y");
  w.WriteFloat(",F", 1.0 / 3);
  w.WriteFloat10_4(",F10", -2.5);
  w.WriteByteList(",Bytes", bytes, 3);
  w.WriteWordList(",Words", words, 2);
  w.WriteWordList(",None", words, 0);
  w.WriteByteBits(",Bits8", 5);
  w.WriteWordBits(",Bits16", 0x0105);
  w.WriteBytesBits(",Bits24", 0x014000, 3);
  EXPECT_EQ(text,
            "plain\r\nno end,U8,255\r\n,S16,-1\r\n,I32,-7\r\n,Str,x y\r\n,F,0.333333\r\n,F10,   -2.5000\r\n"
            ",Bytes,1,200,3\r\n,Words,65535,0\r\n,None\r\n,Bits8,00000101b\r\n,Bits16,00000001b,00000101b,\r\n"
            ",Bits24,00000001b,01000000b,00000000b,\r\n");
}

TEST(LineWriters, RefuseWithoutOutputLabelOrValidWidth) {
  std::string text;
  WriterProbe w(&text);
  EXPECT_EQ(w.WriteString(nullptr, "x"), 0);
  EXPECT_EQ(w.WriteBytesBits(",B", 1, 4), 0);
  EXPECT_EQ(w.WriteBytesBits(",B", 1, 0), 0);
  EXPECT_EQ(text, "");
  SampleBlock unbound;
  EXPECT_EQ(unbound.WriteText("x"), 0);
  unbound.Report(kReportMoreData, "L");  // no output: nothing happens
}

TEST(LineWriters, ReportWithoutLabelStartsWithTheMessage) {
  std::string text;
  WriterProbe w(&text);
  w.Report(kReportLessData, nullptr);
  w.Report(9, "L");
  EXPECT_EQ(text, "Record contains less data than the translator expected. Expect incorrect results.\r\n");
}

TEST(LineWriters, LongListsAreWrittenWhole) {
  std::string text;
  WriterProbe w(&text);
  const Bytes many(255, 255);
  w.WriteByteList(",Splits", many.data(), many.size());
  EXPECT_EQ(text.size(), std::strlen(",Splits") + 255 * 4 + 2);
}

TEST(NoCommas, ReplacesCommasInTheFirst128Characters) {
  char label[] = "0,   1.00 Hz";
  NoCommas(label);
  EXPECT_STREQ(label, "0    1.00 Hz");
  std::string longText(200, ',');
  NoCommas(longText.data());
  EXPECT_EQ(longText.find(','), 128u);
  NoCommas(nullptr);
}

}  // namespace
