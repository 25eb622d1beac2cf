// The prefix block: its lines, its revision text, its length checks and the
// flag tests that other blocks rely on.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/P_BlockWriter.h"

using blocktest::Profile;
using vqbtest::Bytes;
using vqbtest::PrefixFields;

namespace {

constexpr int kWordP = 1;

std::string Write(const Bytes& record, uint32_t general = 0x2) {
  return blocktest::WriteBlock<P_BlockWriter>(record, Profile(kWordP, 1, general));
}

Bytes PrefixRecord(const PrefixFields& prefix) { return vqbtest::RecordBuilder(prefix).Build(); }

// The lines of a prefix made from PrefixFields' defaults with data length 4096.
const std::string kDefaultLines =
    ",Store Type,Normal\r\n"
    ",Hardware Channels,2\r\n"
    ",Data Length,4096\r\n"
    ",Block Mask,00000000b,00000001b,\r\n"
    ",Code Rev,A2.34\r\n"
    ",Datestamp,Jan 01 2000 12:00\r\n"
    ",Hardware Inputset,0\r\n"
    ",Hardware Inputs1,0\r\n"
    ",Hardware Inputs2,0\r\n"
    ",Hardware Inputs3,0\r\n"
    ",Hardware Flags,00000000b,00000000b,00000000b,\r\n";

PrefixFields DefaultPrefix() {
  PrefixFields prefix;
  prefix.dataLength = 4096;
  return prefix;
}

TEST(P_Block, LengthChecksAndCutOffRecords) {
  struct Case {
    const char* what;
    Bytes record;
    std::string expected;
  };
  PrefixFields longer = DefaultPrefix();
  longer.length = 44;
  PrefixFields shorter = DefaultPrefix();
  shorter.length = 36;
  const Bytes whole = PrefixRecord(DefaultPrefix());
  const std::string zeros =
      ",Hardware Inputset,0\r\n,Hardware Inputs1,0\r\n,Hardware Inputs2,0\r\n,Hardware Inputs3,0\r\n"
      ",Hardware Flags,00000000b,00000000b,00000000b,\r\n";
  const Case cases[] = {
      {"declared 40", whole, "P Block\r\n" + kDefaultLines},
      {"declared 44", PrefixRecord(longer), blocktest::MoreData("P_Block") + "P Block\r\n" + kDefaultLines},
      {"declared 36", PrefixRecord(shorter), blocktest::LessData("P_Block") + "P Block\r\n" + kDefaultLines},
      {"cut inside the datestamp", Bytes(whole.begin(), whole.begin() + 20),
       blocktest::MoreData("P_Block") + blocktest::Unreadable("P_Block") +
           "P Block\r\n,Store Type,Normal\r\n,Hardware Channels,2\r\n,Data Length,4096\r\n"
           ",Block Mask,00000000b,00000001b,\r\n,Code Rev,A2.34\r\n,Datestamp,\r\n" +
           zeros},
      {"cut before the last byte", Bytes(whole.begin(), whole.begin() + 39),
       blocktest::MoreData("P_Block") + blocktest::Unreadable("P_Block") + "P Block\r\n" + kDefaultLines},
      {"one byte", Bytes(1, 40),
       blocktest::Unreadable("P_Block") + blocktest::Unreadable("P_Block") +
           "P Block\r\n,Store Type,reserved\r\n,Hardware Channels,0\r\n,Data Length,0\r\n"
           ",Block Mask,00000000b,00000000b,\r\n,Code Rev,@\r\n,Datestamp,\r\n" +
           zeros},
  };
  for (const Case& c : cases) EXPECT_EQ(Write(c.record), c.expected) << c.what;
}

TEST(P_Block, HeadingOnlyWhenTheProfileAsksForIt) {
  EXPECT_EQ(Write(PrefixRecord(DefaultPrefix()), 0), kDefaultLines);
  EXPECT_EQ(blocktest::WriteBlock<P_BlockWriter>(PrefixRecord(DefaultPrefix()), Profile(kWordP, 0xFFFFFFFE)), "");
}

TEST(P_Block, RevisionText) {
  const struct {
    uint16_t codeRev;
    const char* text;
  } cases[] = {
      {0x1234, "A2.34"}, {0x2105, "B1.05"}, {0x0110, "A1.0"}, {0x9999, "I9.99"}, {0xA000, "J0.00"},
      {0xF00A, "O0.0A"}, {0x00AB, "JB."},   {0x0010, "A0."},  {0x0000, "@"},     {0x0009, "I"},
  };
  for (const auto& c : cases) EXPECT_EQ(RevisionText(c.codeRev), c.text) << std::hex << c.codeRev;
}

TEST(P_Block, StoreTypeMaskAndFlagLines) {
  struct Case {
    uint8_t storeType;
    uint16_t mask;
    uint8_t flags[3];
    std::string storeLine, maskLine, flagLine;
  };
  const Case cases[] = {
      {2,
       0x0805,
       {0x01, 0x40, 0x00},
       ",Store Type,Leq",
       ",Block Mask,00001000b,00000101b,",
       ",Hardware Flags,00000001b,01000000b,00000000b,"},
      {47,
       0xFFFF,
       {0xFF, 0x00, 0x81},
       ",Store Type,MLS Impulse",
       ",Block Mask,11111111b,11111111b,",
       ",Hardware Flags,11111111b,00000000b,10000001b,"},
      {48,
       0x0000,
       {0, 0, 0},
       ",Store Type,Unknown 48",
       ",Block Mask,00000000b,00000000b,",
       ",Hardware Flags,00000000b,00000000b,00000000b,"},
      {0,
       0x2001,
       {0, 0, 1},
       ",Store Type,reserved",
       ",Block Mask,00100000b,00000001b,",
       ",Hardware Flags,00000000b,00000000b,00000001b,"},
  };
  for (const Case& c : cases) {
    PrefixFields prefix = DefaultPrefix();
    prefix.storeType = c.storeType;
    prefix.blockMask = c.mask;
    std::copy(std::begin(c.flags), std::end(c.flags), prefix.flags);
    const std::string text = Write(PrefixRecord(prefix), 0);
    EXPECT_NE(text.find(c.storeLine + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(c.maskLine + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(c.flagLine + "\r\n"), std::string::npos) << text;
  }
}

TEST(P_Block, FieldsAndFlagTestsForOtherBlocks) {
  PrefixFields prefix = DefaultPrefix();
  prefix.storeType = 27;
  prefix.hardwareChannels = 4;
  prefix.codeRev = 0x1435;
  prefix.reserved[0] = 37;
  prefix.reserved[1] = 38;
  const Bytes record = PrefixRecord(prefix);
  P_Block block;
  ASSERT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), 0), 40);
  EXPECT_EQ(block.Storetype(), 27);
  EXPECT_EQ(block.HardwareChannels(), 4);
  EXPECT_EQ(block.DataLength(), 4096u);
  EXPECT_EQ(block.BlockMask(), 0x0001);
  EXPECT_EQ(block.CodeRev(), 0x1435);
  EXPECT_EQ(block.Reserved37(), 37);
  EXPECT_EQ(block.Reserved38(), 38);

  const struct {
    uint8_t flags[3];
    bool tach, tChannels, adc, travel;
  } cases[] = {
      {{0x00, 0x00, 0x00}, false, false, false, false}, {{0x01, 0x00, 0x00}, true, false, false, false},
      {{0x08, 0x00, 0x00}, false, true, false, false},  {{0x00, 0x20, 0x00}, false, true, false, false},
      {{0x00, 0x01, 0x00}, false, false, true, false},  {{0x00, 0x02, 0x00}, false, false, true, false},
      {{0x00, 0x40, 0x00}, false, false, false, true},  {{0xF6, 0x9C, 0xFF}, false, false, false, false},
  };
  for (const auto& c : cases) {
    std::copy(std::begin(c.flags), std::end(c.flags), prefix.flags);
    const Bytes flagged = PrefixRecord(prefix);
    P_Block p;
    p.Decode(flagged.data(), static_cast<unsigned long>(flagged.size()), 0);
    const int flagsAsInt = (c.flags[0] << 16) | (c.flags[1] << 8) | c.flags[2];
    EXPECT_EQ(p.HasTachAndSpeed(), c.tach) << std::hex << flagsAsInt;
    EXPECT_EQ(p.ChannelsFromTChannels(), c.tChannels) << std::hex << flagsAsInt;
    EXPECT_EQ(p.HasAdcAndIo(), c.adc) << std::hex << flagsAsInt;
    EXPECT_EQ(p.HasTravelThrottleAccessory(), c.travel) << std::hex << flagsAsInt;
    EXPECT_EQ(p.HardwareFlags(), static_cast<uint32_t>(flagsAsInt));
  }
  EXPECT_FALSE(block.HardwareFlag(33, 0xFF));
  EXPECT_FALSE(block.HardwareFlag(37, 0xFF));
}

TEST(P_Block, PositionIsTheOffsetOfTheFieldThatFailed) {
  const Bytes whole = PrefixRecord(DefaultPrefix());
  const struct {
    std::size_t size;
    int position;
  } cases[] = {{0, 0},   {1, 0},   {2, 2},   {3, 3},   {7, 4},   {9, 8},
               {11, 10}, {29, 12}, {30, 30}, {36, 36}, {39, 39}, {40, 40}};
  for (const auto& c : cases) {
    P_Block block;
    EXPECT_EQ(block.Decode(whole.data(), static_cast<unsigned long>(c.size), 0), c.position) << c.size;
    EXPECT_EQ(block.IsDecoded(), c.size == 40 ? 1 : 0);
  }
  P_Block none;
  EXPECT_EQ(none.Decode(nullptr, 40, 0), 0);
}

}  // namespace
