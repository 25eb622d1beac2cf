// The intensity variables block: its names, the whole-number geometry lines
// and records cut short.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/I_BlockWriter.h"

using vqbtest::Bytes;

namespace {

Bytes Body(uint8_t meters, uint16_t fraction, int16_t metersL, int16_t temperature) {
  vqbtest::ByteWriter w;
  w.U16(0x0101).Text("JOB-7", 21);
  w.U16(0x0202).Text("PART", 21);
  w.U16(0x0303).Text("ABCDEFGHIJKLMNOPQRSTU", 21);
  w.U8(meters).U16(fraction).U16(static_cast<uint16_t>(metersL)).U16(125).U16(1013);
  w.U16(static_cast<uint16_t>(temperature)).U16(static_cast<uint16_t>(-300));
  return w.Data();
}

std::string Write(const Bytes& record) {
  return blocktest::WriteBlock<I_BlockWriter>(record, blocktest::Profile(kWordI, 1));
}

Bytes Record(const Bytes& body) { return vqbtest::RecordBuilder().Block(I_Block::kBit, body).Build(); }

const std::string kNames = "I Block\r\n,Job Name,JOB-7\r\n,Part Name,PART\r\n,Area Name,ABCDEFGHIJKLMNOPQRSTU\r\n";

std::string Geometry(int meters, int metersL, int temperature) {
  return ",Meters," + std::to_string(meters) + "\r\n,Meters L," + std::to_string(metersL) +
         "\r\n,Spacer,12\r\n,Pressure,1013\r\n,Temperature," + std::to_string(temperature) +
         "\r\n,PTCorrection,-300\r\n";
}

TEST(I_Block, Lines) {
  const Bytes whole = Record(Body(2, 5000, 768, -215));
  const struct {
    const char* what;
    Bytes record;
    std::string expected;
  } cases[] = {
      {"fraction below a step", whole, kNames + Geometry(2, 8, -21)},
      {"fraction of two steps", Record(Body(2, 20000, -256, 9)), kNames + Geometry(4, 0, 0)},
      {"exponent truncated toward zero", Record(Body(255, 10000, -255, -9)), kNames + Geometry(0, 1, 0)},
      {"power beyond an integer", Record(Body(0, 0, 32767, 0)), kNames + Geometry(0, 2147483647, 0)},
      {"cut inside the area name", Bytes(whole.begin(), whole.begin() + 40 + 60),
       blocktest::MoreData("I_Block") + blocktest::Unreadable("I_Block") +
           "I Block\r\n,Job Name,JOB-7\r\n,Part Name,PART\r\n,Area Name,\r\n,Meters,0\r\n,Meters L,1\r\n,Spacer,0\r\n"
           ",Pressure,0\r\n,Temperature,0\r\n,PTCorrection,0\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Write(c.record), c.expected) << c.what;
  I_Block block;
  EXPECT_EQ(block.Decode(whole.data(), static_cast<unsigned long>(whole.size()), 0), 40 + 84);
  EXPECT_EQ(block.PtCorrection(), -300);
}

}  // namespace
