// The spectral store information block: channel lines by the prefix's
// channel count, the flag groups, the length checks and the explicit start.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/S_BlockWriter.h"

using blocktest::Prefix;
using vqbtest::Bytes;
using vqbtest::PrefixFields;

namespace {

Bytes Record(const PrefixFields& prefix, const Bytes& body, std::optional<uint16_t> declared = {}) {
  return vqbtest::RecordBuilder(prefix).Block(S_Block::kBit, body, declared).Build();
}

std::string Write(const Bytes& record) {
  return blocktest::WriteBlock<S_BlockWriter>(record, blocktest::Profile(kWordS, 1));
}

const std::string kFixed = "S Block\r\n,Checksum,-2\r\n,Runtime,100.500000\r\n";
const std::string kOneChannel = kFixed + ",Overload,No,00000000b,00000000b,\r\n,Channel [1] Sum Data,   60.2060\r\n";
// Tach 98304, speed 0xFFFFFFFF; ADC 10, 20, 30, I/O bits 0x05; travel 3.0, throttle 7, accessories 1 to 3.
const Bytes kAllGroups = {0x00, 0x80, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 10, 20, 30, 0x05, 0, 0, 3, 0, 7, 1, 2, 3};
const std::string kAllGroupLines =
    ",Tach,98304\r\n,Speed,-1\r\n,ADC0,10\r\n,ADC1,20\r\n,ADC2,30\r\n,IOBitmask,00000101b\r\n,Travel,196608\r\n"
    ",Throttle,7\r\n,Accessory 0,1\r\n,Accessory 1,2\r\n,Accessory 2,3\r\n";

TEST(S_Block, Lines) {
  const Bytes oneChannel = vqbtest::StoreBody(0xFFFE, 0, {2560});
  const Bytes twoChannels = vqbtest::StoreBody(0xFFFE, 0x0002, {2560, -256, 512, -3});
  const Bytes cut = Record(Prefix(2), twoChannels);
  const std::string zeroTwo =
      kFixed +
      ",Overload,Yes,00000000b,00000010b,\r\n,Channel [1] Sum Data,    0.0000\r\n"
      ",Channel [2] Sum Data,    0.0000\r\n,Channel [1] Data Scale,0\r\n,Channel [2] Data Scale,0\r\n";
  const struct {
    const char* what;
    Bytes record;
    std::string expected;
  } cases[] = {
      {"one channel", Record(Prefix(1), oneChannel), kOneChannel},
      {"two channels overloaded", Record(Prefix(2), twoChannels),
       kFixed + ",Overload,Yes,00000000b,00000010b,\r\n,Channel [1] Sum Data,   60.2060\r\n"
                ",Channel [2] Sum Data,   -6.0206\r\n,Channel [1] Data Scale,512\r\n,Channel [2] Data Scale,-3\r\n"},
      {"every flag group", Record(Prefix(1, 0x01, 0x41), vqbtest::StoreBody(0xFFFE, 0, {2560}, kAllGroups)),
       kOneChannel + kAllGroupLines},
      {"declared 4 longer", Record(Prefix(1), oneChannel, 16), blocktest::MoreData("S_Block") + kOneChannel},
      {"declared shorter", Record(Prefix(1), oneChannel, 10), blocktest::LessData("S_Block") + kOneChannel},
      {"cut inside the sums", Bytes(cut.begin(), cut.end() - 6), blocktest::Unreadable("S_Block") + zeroTwo},
      {"cut inside the tach", Record(Prefix(1, 0x01), vqbtest::StoreBody(0xFFFE, 0, {2560}, {1, 2, 3})),
       blocktest::MoreData("S_Block") + blocktest::Unreadable("S_Block") + kOneChannel + ",Tach,0\r\n,Speed,0\r\n"},
      {"prefix unreadable", Bytes(1, 40),
       blocktest::Unreadable("S_Block") + blocktest::Unreadable("S_Block") +
           "S Block\r\n,Checksum,0\r\n,Runtime,0.000000\r\n,Overload,No,00000000b,00000000b,\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Write(c.record), c.expected) << c.what;
}

TEST(S_Block, ExplicitStartAndAccessors) {
  const Bytes frame =
      vqbtest::ByteWriter().U16(38).Raw(vqbtest::StoreBody(9, 1, {100, 200, 300, 400}, kAllGroups)).Data();
  Bytes record = vqbtest::RecordBuilder(Prefix(2, 0x01, 0x41)).RawBlock(0x0800, Bytes(12, 0)).Build();
  const long long start = static_cast<long long>(record.size());
  record.insert(record.end(), frame.begin(), frame.end());
  S_Block block;
  EXPECT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), start, 1), start + 38);
  EXPECT_EQ(block.DeclaredLength(), 38);
  EXPECT_EQ(block.SumData(1), 200);
  EXPECT_EQ(block.DataScale(0), 300);
  EXPECT_EQ(block.DataScale(2), 0);
  EXPECT_EQ(block.Tach(), 98304u);
  // Start 0 finds the block by its bit: this record has none, and nothing of the frame stays.
  std::string reports;
  TextSink sink(&reports);
  block.SetReportOutput(&sink);
  EXPECT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), 0, 1), -1);
  EXPECT_EQ(reports, blocktest::MoreData("S_Block") + blocktest::Unreadable("S_Block"));
  EXPECT_EQ(block.Tach(), 0u);
}

}  // namespace
