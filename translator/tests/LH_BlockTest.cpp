// The setup statistics variables block: the pen values line with its empty
// columns, and records cut short.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/LH_BlockWriter.h"

using vqbtest::Bytes;

namespace {

TEST(LH_Block, Lines) {
  // Pens 0x2A, pen values 1 to 7, offset -20, 0.5 s, 0x80000001 overloads, channel 2.
  const Bytes body = {0x2A, 1, 2, 3, 4, 5, 6, 7, 0xEC, 0xFF, 200, 0, 0, 0, 0x01, 0, 0, 0x80, 2};
  const Bytes whole = vqbtest::RecordBuilder().Block(LH_Block::kBit, body).Build();
  const std::string lines =
      "LH Block\r\n,Active Pens Bitmask,42\r\n,Pen Values,1,,2,,3,,4,,5,,6,,7\r\n,Base DB Offset,-20\r\n"
      ",Delta Time,0.500000\r\n,Number of Overloads,-2147483647\r\n,Current Stat Channel,2\r\n";
  const auto write = [](const Bytes& record) {
    return blocktest::WriteBlock<LH_BlockWriter>(record, blocktest::Profile(kWordLH, 1));
  };
  EXPECT_EQ(write(whole), lines);
  EXPECT_EQ(write(Bytes(whole.begin(), whole.end() - 5)),
            blocktest::MoreData("LH_Block") + blocktest::Unreadable("LH_Block") +
                "LH Block\r\n,Active Pens Bitmask,42\r\n,Pen Values,1,,2,,3,,4,,5,,6,,7\r\n,Base DB Offset,-20\r\n"
                ",Delta Time,0.500000\r\n,Number of Overloads,0\r\n,Current Stat Channel,0\r\n");
  LH_Block block;
  EXPECT_EQ(block.Decode(whole.data(), static_cast<unsigned long>(whole.size()), 0), 40 + 21);
  EXPECT_EQ(block.ActivePens(), 0x2A);
  EXPECT_EQ(block.BaseDbOffset(), -20);
  EXPECT_EQ(block.PenValue(6), 7);
}

}  // namespace
