// The setup vsRPM trace variables block: scales, whole-step triggers, the
// tach time table, one or five windows, distances and records cut short.
#include <gtest/gtest.h>

#include <string>

#include "WriterOutput.h"
#include "blocks/TH_BlockWriter.h"

using vqbtest::Bytes;

namespace {

struct TraceSetup {
  uint32_t tachScale = (3u << 16) | 60;
  uint8_t tachTime = 0x25;
  std::size_t windows = 1;
  bool distances = false;
};

Bytes Record(const TraceSetup& s, std::optional<uint16_t> declared = {}) {
  vqbtest::ByteWriter w;
  w.U32(s.tachScale).U32(196605).U32(196604).U32(98303).U32(131071);
  w.U32((2u << 16) | 60).U32(0).U32(65535).U32(32767).U32(0xFFFFFFFF);
  w.U8(s.tachTime).U8(1).U8(8).U8(0x81).U16(2560).U8(2).U8(3).U8(4);
  for (int t = 0; t < 32; ++t) w.U8(t);
  for (int array = 0; array < 4; ++array) {
    for (int t = 0; t < 32; ++t) w.U16(100 * array + t);
  }
  for (std::size_t i = 0; i < s.windows; ++i) w.U8(10 + i);
  for (int array = 1; array <= 4; ++array) {
    for (std::size_t i = 0; i < s.windows; ++i) w.U16(1000 * array + i);
  }
  for (std::size_t i = 0; i < 12 * s.windows; ++i) w.U8(i);
  if (s.distances) {
    w.U16(0xFFFF);
    for (std::size_t i = 0; i < 2 * s.windows; ++i) w.U16(500 + i);
  }
  const auto flag35 = static_cast<uint8_t>((s.windows == 5 ? 0x10 : 0) | (s.distances ? 0x40 : 0));
  return vqbtest::RecordBuilder(blocktest::Prefix(2, 0, flag35)).Block(TH_Block::kBit, w.Data(), declared).Build();
}

std::string Write(const Bytes& record) {
  return blocktest::WriteBlock<TH_BlockWriter>(record, blocktest::Profile(kWordTH, 1));
}

std::string Sequence(const std::string& label, int first) {
  std::string line = label;
  for (int i = 0; i < 32; ++i) line += "," + std::to_string(first + i);
  return line + "\r\n";
}

const std::string kOneWindow =
    "TH Block\r\n,Tach Scale,   60.0000\r\n,Tach Low Trigger,    3.0000\r\n,Tach High Trigger,    2.0000\r\n"
    ",Tach Minimum Interval,    1.5000\r\n,Tach Maxximum Interval,    2.0000\r\n,Speed Scale,    6.0000\r\n"
    ",Speed Low Trigger,    0.0000\r\n,Speed High Trigger,    1.0000\r\n,Speed Minimum Interval,    0.5000\r\n"
    ",Speed Maximum Interval,65537.0000\r\n,Tach Time,1.00 seconds\r\n,Store Slope,1\r\n,Vertical Grids,8\r\n"
    ",Track Setup,10000001b\r\n,Delta Level,   60.2060\r\n,Trace Slope,2\r\n,Order Span,3\r\n,Order Sums,4\r\n" +
    Sequence(",Pen Status", 0) + Sequence(",Trace Channel", 0) + Sequence(",Trace Bin", 100) +
    Sequence(",Trace Order Channel", 200) + Sequence(",TraceOrderNumber", 300) +
    ",Trace Setup,10\r\n,Tach Low,1000\r\n,Tach High,2000\r\n,Speed Low,3000\r\n,Speed High,4000\r\n"
    ",Pen Slots: Window 1,0,1,2,3,4,5\r\n,Hide Status: Window 1,6,7,8,9,10,11\r\n";

TEST(TH_Block, OneWindowLinesAndLengthChecks) {
  const Bytes whole = Record({});
  EXPECT_EQ(Write(whole), kOneWindow);
  EXPECT_EQ(Write(Record({}, 364)), blocktest::MoreData("TH_Block") + kOneWindow);
  EXPECT_EQ(Write(Record({}, 300)), blocktest::LessData("TH_Block") + kOneWindow);
  const std::string cut = kOneWindow.substr(0, kOneWindow.find(",Hide")) + ",Hide Status: Window 1,0,0,0,0,0,0\r\n";
  EXPECT_EQ(Write(Bytes(whole.begin(), whole.end() - 3)),
            blocktest::MoreData("TH_Block") + blocktest::Unreadable("TH_Block") + cut);
}

TEST(TH_Block, ScalesTachTimesWindowsAndDistances) {
  const struct {
    TraceSetup setup;
    std::vector<std::string> lines;
  } cases[] = {
      {{(2u << 16) | 60}, {",Tach Scale,    6.0000\r\n"}},
      {{5}, {",Tach Scale,    0.0050\r\n"}},
      {{(5u << 16) | 7}, {",Tach Scale,  700.0000\r\n"}},
      {{0xFFFF0000u}, {",Tach Scale,    0.0000\r\n"}},
      {{.tachTime = 0x07}, {",Tach Time,Unknown\r\n"}},
      {{.tachTime = 0x16}, {",Tach Time,2.00 seconds\r\n"}},
      {{.tachTime = 0xF0}, {",Tach Time,0.03 seconds\r\n"}},
      {{.windows = 5},
       {",Trace Setup,10,11,12,13,14\r\n,Tach Low,1000,1001,1002,1003,1004\r\n",
        ",Speed High,4000,4001,4002,4003,4004\r\n,Pen Slots: Window 1,0,1,2,3,4,5\r\n",
        ",Pen Slots: Window 5,24,25,26,27,28,29\r\n,Hide Status: Window 1,30,31,32,33,34,35\r\n",
        ",Hide Status: Window 5,54,55,56,57,58,59\r\n"}},
      {{.windows = 5, .distances = true},
       {",Hide Status: Window 5,54,55,56,57,58,59\r\n,Start Distance,-1\r\n,Distance Low,500,501,502,503,504\r\n"
        ",Distance High,505,506,507,508,509\r\n"}},
  };
  for (const auto& c : cases) {
    const Bytes record = Record(c.setup);
    const std::string text = Write(record);
    for (const std::string& line : c.lines) EXPECT_NE(text.find(line), std::string::npos) << line << text;
    EXPECT_EQ(text.find("_Block:"), std::string::npos) << text;
    TH_Block block;
    const std::size_t w = c.setup.windows;
    EXPECT_EQ(block.Decode(record.data(), static_cast<unsigned long>(record.size()), 0),
              40 + 339 + 21 * w + (c.setup.distances ? 2 + 4 * w : 0));
  }
}

}  // namespace
