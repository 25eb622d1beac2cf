// The statistics variables block: bytes 2 to 17 are never read.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/L_BlockWriter.h"

using vqbtest::Bytes;

namespace {

TEST(L_Block, Lines) {
  const std::string lines =
      "L Block\r\n,Start Runtime,100.500000\r\n,First Display Channel,1\r\n"
      ",Second Display Channel,2\r\n";
  for (uint8_t filler : {0x00, 0xA5, 0xFF}) {
    const Bytes body = vqbtest::ByteWriter().Raw(Bytes(16, filler)).Time(200, 1).U8(1).U8(2).Data();
    const Bytes record = vqbtest::RecordBuilder().Block(L_Block::kBit, body).Build();
    EXPECT_EQ(blocktest::WriteBlock<L_BlockWriter>(record, blocktest::Profile(kWordL, 1)), lines) << int{filler};
  }
  const Bytes cut = vqbtest::RecordBuilder().Block(L_Block::kBit, Bytes(22, 0)).CutTo(40 + 19).Build();
  EXPECT_EQ(blocktest::WriteBlock<L_BlockWriter>(cut, blocktest::Profile(kWordL, 1)),
            blocktest::MoreData("L_Block") + blocktest::Unreadable("L_Block") +
                "L Block\r\n,Start Runtime,0.000000\r\n,First Display Channel,0\r\n,Second Display Channel,0\r\n");
}

}  // namespace
