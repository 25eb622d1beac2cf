// The autostore block: its header, the heading row, each layout family of
// the frames, and records whose frames lie.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "WriterOutput.h"
#include "blocks/A_BlockWriter.h"

using blocktest::Profile;
using vqbtest::Bytes;
using vqbtest::ByteWriter;
using vqbtest::MainFields;
using vqbtest::PrefixFields;

namespace {

constexpr int kWordA = 9;

// Two hardware channels with sums 60.2 and 30.1 dB and data scales 256 and
// 512; a frame of `bins` one-channel rows.
Bytes Frame(const std::vector<int16_t>& data, const Bytes& groups = {}, uint16_t overload = 0) {
  return ByteWriter().Raw(vqbtest::StoreBlock(overload, {2560, 1280, 256, 512}, groups)).Raw(vqbtest::Words(data)).Data();
}

struct Autostore {
  PrefixFields prefix;
  MainFields main;
  uint16_t frameCount = 1;
  std::vector<Bytes> frames;
  std::optional<int16_t> ptCorrection;
  std::optional<uint32_t> dataLength;  // default: the data of the first frame
  std::size_t cutTo = 0;

  Autostore() {
    prefix.storeType = 23;
    main.filter = 1;
    main.bins = 1;
    main.channels = 1;
  }

  Bytes Build() {
    ByteWriter all;
    for (const Bytes& frame : frames) all.Raw(frame);
    // One set of data: what a frame holds after its store information block.
    if (!frames.empty()) prefix.dataLength = dataLength.value_or(static_cast<uint32_t>(frames[0].size() - 18));
    vqbtest::RecordBuilder builder(prefix);
    builder.Block(0x0004, vqbtest::MainBody(main, vqbtest::PerChannelGroups(prefix.hardwareChannels)));
    if (ptCorrection) builder.Block(0x0200, ByteWriter().Zeros(80).U16(static_cast<uint16_t>(*ptCorrection)).Data());
    builder.RawBlock(0x0800, vqbtest::AutostoreBlock(frameCount, 200, all.Data()));
    if (cutTo != 0) builder.CutTo(cutTo);
    return builder.Build();
  }
};

std::string Write(Autostore a, uint32_t aWord = 1) {
  return blocktest::WriteBlock<A_BlockWriter>(a.Build(), Profile(kWordA, aWord));
}

// The rows after the heading row.
std::string TableRows(const std::string& text) {
  const std::size_t heading = text.find("Data Follows\r\n") + 14;
  return text.substr(text.find("\r\n", heading) + 2);
}

const std::string kHeader = "A Block\r\n,Frames,1\r\n,End Time,0.500000\r\n,Delta Time,0.500000\r\nData Follows\r\n";
const std::string kTimeHeading = ",,,Data Type,Time,Overload,Sum";
const std::string kBandLabel = ",-1    .80 ";  // band -1 with its comma and unit taken out
const std::string kPrefix = ",0.500000,No,  60.2";

TEST(A_BlockWriter, NoFramesLeavesTheHeadingAndAnEmptyLine) {
  Autostore a;
  a.frameCount = 0;
  a.main.bins = 2;
  EXPECT_EQ(Write(a), "A Block\r\n,Frames,0\r\n,End Time,0.000000\r\n,Delta Time,0.500000\r\nData Follows\r\n" +
                          kTimeHeading + kBandLabel + ",0    1.00 \r\n\r\n");
  EXPECT_EQ(Write(a, 0x5), "A Block\r\n,Frames,0\r\n,End Time,0.000000\r\n,Delta Time,0.500000\r\nData Follows\r\n" +
                               kTimeHeading + ",-1    .80 Hz,0    1.00 Hz\r\n\r\n");
}

TEST(A_BlockWriter, ChannelSpectraOfEveryFrame) {
  Autostore a;
  a.frameCount = 2;
  a.main.bins = 2;
  a.frames = {Frame({256, -2560, 512, 0}), Frame({1024, -1, 300, -300}, {}, 0x0002)};
  EXPECT_EQ(Write(a), "A Block\r\n,Frames,2\r\n,End Time,1.000000\r\n,Delta Time,0.500000\r\nData Follows\r\n" +
                          kTimeHeading + kBandLabel + ",0    1.00 \r\n" +
                          ",,,Channel 1,0.500000,No,  60.2,   6.0, -60.2\r\n"
                          ",,,Channel 2,0.500000,No,  30.1,  12.0,   0.0\r\n"
                          ",,,Channel 1,1.000000,Yes,  60.2,  24.1,  -0.0\r\n"
                          ",,,Channel 2,1.000000,Yes,  30.1,   7.1,  -7.1\r\n\r\n");
}

TEST(A_BlockWriter, RowsLongerThanTheRowBufferArriveWhole) {
  Autostore a;
  a.main.channels = 0;
  a.main.filter = 9;  // no band labels
  a.main.bins = 3000;
  a.frames = {Frame(std::vector<int16_t>(3000, 256))};
  std::string row = ",,,Channel 1" + kPrefix;
  for (int bin = 0; bin < 3000; ++bin) row += ",   6.0";
  EXPECT_EQ(TableRows(Write(a)), row + "\r\n\r\n");
}

TEST(A_BlockWriter, DetectorsFiveToSevenCountTheFrames) {
  const struct {
    uint8_t detector;
    const char* heading;
    const char* fourthFrame;
  } cases[] = {{0, "Time", ",,,Channel 1,2.000000,No"}, {5, "Count", ",,,Channel 1,4,No"}, {7, "Count", ",,,Channel 1,4,No"}};
  for (const auto& c : cases) {
    Autostore a;
    a.frameCount = 4;
    a.main.channels = 0;
    a.main.detector = c.detector;
    a.frames.assign(4, Frame({7}));
    const std::string text = Write(a);
    EXPECT_NE(text.find(std::string(",,,Data Type,") + c.heading + ",Overload"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string(c.fourthFrame) + ",  60.2,   0.2\r\n\r\n"), std::string::npos) << text;
  }
}

TEST(A_BlockWriter, HardwareGroupsAddCaptionsAndColumns) {
  Autostore a;
  a.prefix.hardwareChannels = 1;
  a.prefix.flags[0] = 0x01;
  a.prefix.flags[1] = 0x41;
  a.main.channels = 0;
  const Bytes groups = ByteWriter().U32(0x18000).U32(0x28000).U8(51).U8(102).U8(0).U8(0xA5).U32(0x38000).U8(7).U8(1).U8(22).U8(255).Data();
  a.frames = {ByteWriter().Raw(vqbtest::StoreBlock(0, {2560}, groups)).Raw(vqbtest::Words({-2560})).Data()};
  EXPECT_EQ(Write(a), kHeader + kTimeHeading +
                          ",tach,speed,ADC 0,ADC 1,ADC 2,IO Bits,travel,throttle,accessory 1,accessory 2,accessory 3" +
                          kBandLabel + "\r\n,,,Channel 1" + kPrefix +
                          ",1.5,2.5,1.00,1.99,0.00,10100101b,3.5,    7,    1,   22,  255, -60.2\r\n\r\n");
}

// One bin, two channels, rows 0 to 3 holding these values.
const std::vector<int16_t> kCrossData = {16384, -8192, 3000, 100};

TEST(A_BlockWriter, LayoutOfEachDataType) {
  const std::string spectra = ",,,Channel 1" + kPrefix + ", 385.3\r\n,,,Channel 2,0.500000,No,  30.1,-192.7\r\n";
  const struct {
    uint8_t mode, dataType, crossBase;
    std::string labels, rows;
  } cases[] = {
      {0, 7, 0, "", spectra},
      {3, 15, 0, kBandLabel, spectra},
      {5, 0, 0, "", ""},
      {1, 0, 0, kBandLabel, spectra},
      {1, 40, 0, "", ""},
      {1, 3, 4, "", ""},
      {1, 1, 0, ",invalid",
       ",,,Real" + kPrefix + ", 0.5000\r\n,,,Imaginary" + kPrefix + ",-0.2500\r\n,,,Real" + kPrefix +
           ", 0.0916\r\n,,,Imaginary" + kPrefix + ", 0.0031\r\n"},
      {1, 3 + 4, 4, ",invalid",
       ",,,Magnitude" + kPrefix + ",  96.33\r\n,,,Phase" + kPrefix + ", -81.9\r\n,,,Magnitude" + kPrefix +
           ",  17.64\r\n,,,Phase" + kPrefix + ",   1.0\r\n"},
      {1, 32, 0, kBandLabel,
       ",,,Magnitude" + kPrefix + ", 385.3\r\n,,,Phase" + kPrefix + ", -81.9\r\n,,,Magnitude" + kPrefix +
           ",  70.6\r\n,,,Phase" + kPrefix + ",   1.0\r\n"},
      {1, 5, 0, kBandLabel, ",,,Ch 2vs1 Real" + kPrefix + ",   1.00\r\n,,,Ch 2vs1 Imaginary" + kPrefix + ",  -0.50\r\n"},
      {1, 7, 0, kBandLabel, ",,,Ch 2vs1 Magnitude" + kPrefix + ", 385.32\r\n,,,Ch 2vs1 Phase" + kPrefix + ", -81.92\r\n"},
      {1, 9, 0, ",invalid", ",,,Ch 2vs1 Real" + kPrefix + ",   0.50\r\n,,,Ch 2vs1 Imaginary" + kPrefix + ",  -0.25\r\n"},
      {1, 11, 0, ",invalid", ",,,Ch 2vs1 Magnitude" + kPrefix + ",  96.33\r\n,,,Ch 2vs1 Phase" + kPrefix + ", -81.92\r\n"},
      {1, 13, 0, kBandLabel, ",,,Ch 2vs1 Real" + kPrefix + ",   1.00\r\n,,,Ch 2vs1 Imaginary" + kPrefix + ",  -0.25\r\n"},
      {1, 27, 0, kBandLabel,
       ",,,Ch 2vs1 Coherence" + kPrefix + ",   0.50\r\n,,,Ch 2vs1 Coherent Power" + kPrefix + ",-192.66\r\n"},
      {1, 29, 0, ",invalid", ",,,Magnitude" + kPrefix + ", 256.01\r\n"},
  };
  for (const auto& c : cases) {
    Autostore a;
    a.prefix.reserved[1] = c.crossBase;
    a.main.systemMode = c.mode;
    a.main.dataType = c.dataType;
    a.main.masterChannel = 1;
    a.main.fftWindow = 1;
    a.frames = {Frame(kCrossData)};
    EXPECT_EQ(Write(a), kHeader + kTimeHeading + c.labels + "\r\n" + c.rows + "\r\n")
        << "mode " << int(c.mode) << " data type " << int(c.dataType);
  }
}

TEST(A_BlockWriter, IntensityRowsBeginWithTheirLineEnd) {
  Autostore a;
  a.main.systemMode = 2;
  a.main.bins = 2;
  a.ptCorrection = 256;
  // Channel 2's words: a negative 15-bit level pointing up, a positive one pointing down.
  a.frames = {Frame({2560, 1000, 0x4123, static_cast<int16_t>(0x8123)})};
  EXPECT_EQ(Write(a), kHeader + kTimeHeading + kBandLabel + ",0    1.00 \r\n" +
                          "\r\n,,,SPL" + kPrefix + ",  60.2,  23.5"
                          "\r\n,,,Ch 2vs1 Intensity,,,,-378.5,   6.8"
                          "\r\n,,,Direction,,,,Up,Down"
                          "\r\n,,,Ch 2vs1 Quality,,,,-444.7, -22.7"
                          "\r\n,,,Ch 2vs1 Particle Velocity,,,,-783.2,  24.2\r\n");
}

TEST(A_BlockWriter, FramesBeyondTheRecordPrintNothing) {
  const std::string frame0 = ",,,Channel 1" + kPrefix + ",   0.1\r\n,,,Channel 2,0.500000,No,  30.1,   0.1\r\n";
  const std::string frame1Channel1 = ",,,Channel 1,1.000000,No,  60.2,   0.1\r\n";
  const std::size_t frameStart = 40 + 44 + 12;  // prefix, main system variables, autostore header
  const std::size_t frameSize = 18 + 4;
  const struct {
    const char* what;
    std::size_t cutTo;
    std::string rows;
  } cases[] = {
      {"whole", 0, frame0 + frame1Channel1 + ",,,Channel 2,1.000000,No,  30.1,   0.1\r\n"},
      {"second frame's channel 2 cut", frameStart + frameSize + 18 + 2, frame0 + frame1Channel1},
      {"second frame's data at the end", frameStart + frameSize + 18, frame0},
      {"second frame's data beyond the end", frameStart + frameSize + 10, frame0},
  };
  for (const auto& c : cases) {
    Autostore a;
    a.frameCount = 2;
    a.frames.assign(2, Frame({4, 4}));
    a.cutTo = c.cutTo;
    EXPECT_EQ(TableRows(Write(a)), c.rows + "\r\n") << c.what;
  }
  // Frames of no size would all repeat the first one.
  Autostore empty;
  empty.frameCount = 3;
  empty.frames = {Frame({4, 4})};
  empty.frames[0][0] = 0;
  empty.dataLength = 0;
  EXPECT_EQ(TableRows(Write(empty)), ",,,Channel 1" + kPrefix + ",   0.0\r\n,,,Channel 2,0.500000,No,  30.1,   0.0\r\n\r\n");
}

TEST(A_BlockWriter, ReportedToTheCallerEvenWhenNotTranslated) {
  TempDir dir;
  Autostore a;
  a.frames = {Frame(kCrossData)};
  vqbtest::VqbFileBuilder().Add(23, a.Build()).WriteTo(dir.File("in.vqb"));
  _RecordEntryTag record{23, 1, ""};
  _DataProfileTag profile = Profile(kWordA, 0);
  _TranslateInfoTag info{};
  std::strncpy(info.inputPath, dir.File("in.vqb").c_str(), sizeof info.inputPath - 1);
  std::strncpy(info.outputPath, dir.File("out.csv").c_str(), sizeof info.outputPath - 1);
  info.profile = &profile;
  info.records = &record;
  info.recordTotal = 1;
  info.blockSelect = ALL_PRESENT_BLOCKS;
  Morvane translator;
  ASSERT_EQ(translator.Translate(&info), 1);
  EXPECT_EQ(translator.ABlockDecoded(), 1);
  EXPECT_EQ(vqbtest::ReadFileText(dir.File("out.csv")).find("Data Follows"), std::string::npos);
}

}  // namespace
