// The data vsRPM trace variables block, with and without the word that
// hardware with a travel input adds.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/T_BlockWriter.h"

using vqbtest::Bytes;

namespace {

Bytes Record(uint8_t flag35, std::optional<uint16_t> declared = {}) {
  vqbtest::ByteWriter w;
  w.U8(0x05).U16(10).U16(0xFFFE).U16(300).U16(2).U16(3);
  for (int i = 0; i < 32; ++i) w.U16(i);
  w.U16(7);
  if (flag35 != 0 && !declared) w.U16(9);
  // A statistics block follows, so that a block declared too short reads into it.
  return vqbtest::RecordBuilder(blocktest::Prefix(2, 0, flag35))
      .Block(T_Block::kBit, w.Data(), declared)
      .Block(0x0020, Bytes(19, 0))
      .Build();
}

std::string Write(const Bytes& record) {
  return blocktest::WriteBlock<T_BlockWriter>(record, blocktest::Profile(kWordT, 1));
}

std::string Lines(const std::string& reserved =
                      "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,"
                      "26,27,28,29,30,31",
                  const std::string& structVector = "7") {
  return "T Block\r\n,Buffer Wrap,00000101b\r\n,Last Offset,10\r\n,End Offset,-2\r\n,Number of Points,300\r\n"
         ",RPM Vector,2\r\n,Speed Vector,3\r\n,Reserved," +
         reserved + "\r\n,Struct Vector," + structVector + "\r\n";
}

TEST(T_Block, Lines) {
  const std::string zeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
  const Bytes plain = Record(0);
  EXPECT_EQ(Write(plain), Lines());
  EXPECT_EQ(Write(Record(0x40)), Lines() + ",Reserved,9\r\n");
  // Declared 79 with the extra word: the word is read from the next block's length field.
  EXPECT_EQ(Write(Record(0x40, 79)), blocktest::LessData("T_Block") + Lines() + ",Reserved,21\r\n");
  EXPECT_EQ(Write(Bytes(plain.begin(), plain.begin() + 40 + 70)),
            blocktest::MoreData("T_Block") + blocktest::Unreadable("T_Block") + Lines(zeros, "0"));
  T_Block block;
  EXPECT_EQ(block.Decode(plain.data(), static_cast<unsigned long>(plain.size()), 0), 40 + 79);
  EXPECT_EQ(block.NumberOfPoints(), 300);
}

}  // namespace
