// The main system variables block: the fixed part, the groups that the
// prefix's channel count and flags call for, and records cut short.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/M_BlockWriter.h"

using blocktest::Prefix;
using blocktest::Profile;
using vqbtest::Bytes;
using vqbtest::MainFields;
using vqbtest::PrefixFields;

namespace {

constexpr int kWordM = 3;

std::string Write(const Bytes& record) { return blocktest::WriteBlock<M_BlockWriter>(record, Profile(kWordM, 1)); }

MainFields SampleMain() {
  MainFields m;
  m.systemMode = 3;
  m.channels = 1;
  m.tChannels = 0xFFFF;
  m.dataType = 15;
  m.masterChannel = 1;
  m.filter = 6;
  m.octaveWindow = 2;
  m.baseFrequency = 100;
  m.fftLowPass = 3;
  m.fftWindow = 1;
  m.lifter = 7;
  m.zoom = 2;
  m.bins = 412;
  m.startBin = 5;
  m.tenDbs = 9;
  m.range = 4;
  m.detector = 200;
  m.detectorQuarterMilliseconds = 200;
  m.detectorHundreds = 1;
  m.exptimecode = 11;
  m.constantcode = 12;
  m.inSetIndex = 13;
  return m;
}

const std::string kSampleFixedLines =
    ",System Mode,3\r\n,Channels,2\r\n,T Channels,-1\r\n,Data Type,15\r\n,Master Channel,1\r\n,Filter,6\r\n"
    ",Octave Window,2\r\n,Base Frequency,100\r\n,FFT Low Pass,3\r\n,FFT Window,1\r\n,Lifter,7\r\n,Zoom,2\r\n"
    ",Bins,412\r\n,Start Bin,5\r\n,Range,4\r\n,Detector,200\r\n,Detector Time,100.500000\r\n,Exptimecode,11\r\n"
    ",Constantcode,12\r\n,In Set Index,13\r\n";

const std::string kZeroFixedLines =
    ",System Mode,0\r\n,Channels,1\r\n,T Channels,0\r\n,Data Type,0\r\n,Master Channel,0\r\n,Filter,0\r\n"
    ",Octave Window,0\r\n,Base Frequency,0\r\n,FFT Low Pass,0\r\n,FFT Window,0\r\n,Lifter,0\r\n,Zoom,0\r\n"
    ",Bins,0\r\n,Start Bin,0\r\n,Range,0\r\n,Detector,0\r\n,Detector Time,0.000000\r\n,Exptimecode,0\r\n"
    ",Constantcode,0\r\n,In Set Index,0\r\n";

Bytes Record(const PrefixFields& prefix, const Bytes& variable, std::optional<uint16_t> declared = {}) {
  return vqbtest::RecordBuilder(prefix).Block(0x0004, vqbtest::MainBody(SampleMain(), variable), declared).Build();
}

TEST(M_Block, VariablePartFollowsTheFlags) {
  struct Case {
    const char* what;
    PrefixFields prefix;
    Bytes variable;
    std::string lines;
  };
  const Case cases[] = {
      {"two channels, no flags", Prefix(2), vqbtest::PerChannelGroups(2),
       ",Splits,1,2\r\n,Units,11,12\r\n,Mode,21,22\r\n,High Pass,31,32\r\n,Low Pass,41,42\r\n,Input,51,52\r\n"},
      {"four channels with SLM settings",
       Prefix(4, 0, 0x01),
       {1, 2, 3, 4, 5, 6, 7, 8, 60, 61, 62, 63},
       ",Splits,1,2,3,4\r\n,Units,5,6,7,8\r\n,Analyzer Mode,60\r\n,SLM Mode,61\r\n,Bias,62\r\n,Input,63\r\n"},
      {"SLM settings by byte 35 bit 1",
       Prefix(1, 0, 0x02),
       {1, 2, 60, 61, 62, 63},
       ",Splits,1\r\n,Units,2\r\n,Analyzer Mode,60\r\n,SLM Mode,61\r\n,Bias,62\r\n,Input,63\r\n"},
      {"RPM settings and feet",
       Prefix(1, 0x10, 0x04),
       {1, 2, 3, 4, 5, 6, 70, 71, 72, 73, 0x34, 0x12},
       ",Splits,1\r\n,Units,2\r\n,Mode,3\r\n,High Pass,4\r\n,Low Pass,5\r\n,Input,6\r\n"
       ",Max RPM,70\r\n,PPrev,71\r\n,Max Order,72\r\n,Loop Speed,73\r\n,Feet,4660\r\n"},
      {"RPM settings alone",
       Prefix(1, 0x10),
       {1, 2, 3, 4, 5, 6, 70, 71, 72, 73},
       ",Splits,1\r\n,Units,2\r\n,Mode,3\r\n,High Pass,4\r\n,Low Pass,5\r\n,Input,6\r\n"
       ",Max RPM,70\r\n,PPrev,71\r\n,Max Order,72\r\n,Loop Speed,73\r\n"},
      {"max order and feet",
       Prefix(1, 0, 0x04),
       {1, 2, 3, 4, 5, 6, 72, 0xFF, 0xFF},
       ",Splits,1\r\n,Units,2\r\n,Mode,3\r\n,High Pass,4\r\n,Low Pass,5\r\n,Input,6\r\n,Max Order,72\r\n,Feet,-1\r\n"},
      {"no hardware channels", Prefix(0), {}, ",Splits\r\n,Units\r\n,Mode\r\n,High Pass\r\n,Low Pass\r\n,Input\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Write(Record(c.prefix, c.variable)), "M Block\r\n" + kSampleFixedLines + c.lines) << c.what;
  }
}

TEST(M_Block, DeclaredLengthIsNeverCompared) {
  for (uint16_t declared : {0, 10, 44, 0xFFFF}) {
    EXPECT_EQ(
        Write(Record(Prefix(2), vqbtest::PerChannelGroups(2), declared)),
        "M Block\r\n" + kSampleFixedLines +
            ",Splits,1,2\r\n,Units,11,12\r\n,Mode,21,22\r\n,High Pass,31,32\r\n,Low Pass,41,42\r\n,Input,51,52\r\n")
        << declared;
  }
}

TEST(M_Block, RecordsCutShort) {
  const Bytes whole = Record(Prefix(2), vqbtest::PerChannelGroups(2));
  const std::size_t mStart = 40;
  const std::string unreadable = blocktest::Unreadable("M_Block");
  struct Case {
    const char* what;
    std::size_t size;
    std::string expected;
  };
  const Case cases[] = {
      {"inside the input array", mStart + 32 + 11,
       unreadable + "M Block\r\n" + kSampleFixedLines +
           ",Splits,1,2\r\n,Units,11,12\r\n,Mode,21,22\r\n,High Pass,31,32\r\n,Low Pass,41,42\r\n,Input,0,0\r\n"},
      {"after the fixed part", mStart + 32, unreadable + "M Block\r\n" + kSampleFixedLines + ",Splits,0,0\r\n"},
      {"inside the detector time", mStart + 27,
       unreadable + "M Block\r\n" +
           ",System Mode,3\r\n,Channels,2\r\n,T Channels,-1\r\n,Data Type,15\r\n,Master Channel,1\r\n,Filter,6\r\n"
           ",Octave Window,2\r\n,Base Frequency,100\r\n,FFT Low Pass,3\r\n,FFT Window,1\r\n,Lifter,7\r\n,Zoom,2\r\n"
           ",Bins,412\r\n,Start Bin,5\r\n,Range,4\r\n,Detector,200\r\n,Detector Time,0.000000\r\n,Exptimecode,0\r\n"
           ",Constantcode,0\r\n,In Set Index,0\r\n"},
      {"inside the length field", mStart + 1, unreadable + "M Block\r\n" + kZeroFixedLines},
  };
  for (const Case& c : cases) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(c.size));
    EXPECT_EQ(Write(cut), c.expected) << c.what;
  }
}

TEST(M_Block, AbsentBlockWritesOnlyTheUnreadableLine) {
  const Bytes record = vqbtest::RecordBuilder(Prefix(2)).Build();
  EXPECT_EQ(Write(record), blocktest::Unreadable("M_Block") + "M Block\r\n" + kZeroFixedLines);
  M_Block block;
  EXPECT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), 0), -1);
  EXPECT_EQ(block.Decode(nullptr, 100, 0), 0);
}

TEST(M_Block, ChannelsPrintTheLowByteOfTwoToTheExponent) {
  const struct {
    uint8_t exponent;
    const char* line;
  } cases[] = {{0, ",Channels,1\r\n"}, {3, ",Channels,8\r\n"},  {7, ",Channels,128\r\n"},
               {8, ",Channels,0\r\n"}, {33, ",Channels,2\r\n"}, {255, ",Channels,0\r\n"}};
  for (const auto& c : cases) {
    MainFields main = SampleMain();
    main.channels = c.exponent;
    const Bytes record = vqbtest::RecordBuilder(Prefix(0)).Block(0x0004, vqbtest::MainBody(main)).Build();
    EXPECT_NE(Write(record).find(c.line), std::string::npos) << int{c.exponent};
  }
}

TEST(M_Block, DetectorTimeIsTheNearestFloatToTheExactSeconds) {
  MainFields main = SampleMain();
  main.detectorQuarterMilliseconds = 3208;
  main.detectorHundreds = 1;
  const Bytes record = vqbtest::RecordBuilder(Prefix(0)).Block(0x0004, vqbtest::MainBody(main)).Build();
  EXPECT_NE(Write(record).find(",Detector Time,108.019997\r\n"), std::string::npos);
}

TEST(M_Block, DecodesPositionAndAccessors) {
  PrefixFields prefix = Prefix(2);
  const Bytes record = vqbtest::RecordBuilder(prefix)
                           .Block(0x0002, Bytes(6, 0))
                           .Block(0x0004, vqbtest::MainBody(SampleMain(), vqbtest::PerChannelGroups(2)))
                           .Build();
  M_Block block;
  EXPECT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), 0), 48 + 32 + 12);
  EXPECT_EQ(block.IsDecoded(), 1);
  EXPECT_EQ(block.Systemmode(), 3);
  EXPECT_EQ(block.Channels(), 1);
  EXPECT_EQ(block.TChannels(), 0xFFFF);
  EXPECT_EQ(block.Barwhat(), 15);
  EXPECT_EQ(block.MasterChannel(), 1);
  EXPECT_EQ(block.Filter(), 6);
  EXPECT_EQ(block.BaseFrequency(), 100);
  EXPECT_EQ(block.FftLowPass(), 3);
  EXPECT_EQ(block.FftWindow(), 1);
  EXPECT_EQ(block.Zoom(), 2);
  EXPECT_EQ(block.Bins(), 412);
  EXPECT_EQ(block.StartBin(), 5);
  EXPECT_EQ(block.Detector(), 200);
  EXPECT_EQ(block.Prefix().HardwareChannels(), 2);
  // Decoding again over a record without the block starts from nothing.
  const Bytes bare = vqbtest::RecordBuilder(prefix).Build();
  EXPECT_EQ(block.Decode(bare.data(), static_cast<unsigned long>(bare.size()), 0), -1);
  EXPECT_EQ(block.IsDecoded(), 0);
  const Bytes cutPrefix(record.begin(), record.begin() + 3);
  block.Decode(cutPrefix.data(), static_cast<unsigned long>(cutPrefix.size()), 0);
  EXPECT_EQ(block.Prefix().HardwareChannels(), 0) << "prefix fields this record lacks count as 0";
  EXPECT_EQ(block.Prefix().IsDecoded(), 0);
}

}  // namespace
