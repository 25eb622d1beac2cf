// The spectral data block: its refusals, the standard spectrum, and records
// whose counts and lengths lie.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WriterOutput.h"
#include "blocks/D_BlockWriter.h"

using blocktest::Profile;
using vqbtest::Bytes;
using vqbtest::MainFields;
using vqbtest::PrefixFields;

namespace {

constexpr int kWordD = 11;
constexpr uint32_t kTranslate = 0x1;
constexpr uint32_t kHeadings = 0x3;
constexpr uint32_t kHeadingsAndUnits = 0x7;

std::string Write(const Bytes& record, uint32_t dWord = kTranslate, uint32_t general = 0) {
  return blocktest::WriteBlock<D_BlockWriter>(record, Profile(kWordD, dWord, general));
}

struct Spectrum {
  PrefixFields prefix;
  MainFields main;
  std::vector<int16_t> levels;
  bool withMain = true;
  bool withData = true;

  Bytes Build() const {
    vqbtest::RecordBuilder builder(prefix);
    if (withMain) builder.Block(0x0004, vqbtest::MainBody(main, vqbtest::PerChannelGroups(prefix.hardwareChannels)));
    if (withData) builder.RawBlock(0x2000, vqbtest::Words(levels));
    return builder.Build();
  }
};

Spectrum ThirdOctave(uint16_t bins, uint8_t channelExponent, std::vector<int16_t> levels) {
  Spectrum s;
  s.prefix.hardwareChannels = 1;
  s.main.filter = 1;
  s.main.channels = channelExponent;
  s.main.bins = bins;
  s.levels = std::move(levels);
  return s;
}

const char* const kStoreTypeError = "P.storetype error, D block not decoded.\r\n";
const char* const kMismatch = "P.block_mask/M.barwhat mismatch error, D block not decoded.\r\n";
const char* const kClassSetups = "This D block contains class setups data which is not decoded\r\n";
const char* const kModeError = "M.systemmode error, D block not decoded.\r\n";
const char* const kStandardError = "Standard mode M.barwhat error, D block not decoded.\r\n";
const char* const kIntensityError = "Intensity mode M.barwhat error, D block not decoded.\r\n";
const char* const kCrossError = "Cross mode M.barwhat error, D block not decoded.\r\n";

TEST(D_BlockWriter, RefusalsAreOneLineAfterTheHeading) {
  struct Case {
    const char* what;
    uint8_t storetype, mode, barwhat, intensityBase;
    std::string line;
  };
  const Case cases[] = {
      {"store type 0", 0, 0, 0, 0, kStoreTypeError},
      {"store type 48", 48, 0, 0, 0, kStoreTypeError},
      {"set-ups with a valid M block", 25, 0, 0, 0, kClassSetups},
      {"by tach", 22, 0, 0, 0, kMismatch},
      {"mode 5", 1, 5, 0, 0, kModeError},
      {"standard data type 5", 1, 0, 5, 0, kStandardError},
      {"intensity one below its base", 1, 2, 9, 10, kIntensityError},
      {"cross above 37", 1, 1, 38, 0, kCrossError},
  };
  for (const Case& c : cases) {
    Spectrum s = ThirdOctave(1, 0, {256});
    s.prefix.storeType = c.storetype;
    s.prefix.reserved[0] = c.intensityBase;
    s.main.systemMode = c.mode;
    s.main.dataType = c.barwhat;
    EXPECT_EQ(Write(s.Build(), kTranslate, 0x2), "D Block\r\n" + c.line) << c.what;
    EXPECT_EQ(Write(s.Build(), kHeadings, 0), c.line) << c.what;
  }
}

TEST(D_BlockWriter, StandardSpectrumRows) {
  struct Case {
    const char* what;
    Spectrum spectrum;
    uint32_t dWord;
    std::string expected;
  };
  Spectrum twoChannels = ThirdOctave(3, 1, {256, 0, -1, -2560, 32767, -32768});
  Spectrum octaves = ThirdOctave(2, 0, {10, 20});
  octaves.main.filter = 0;
  octaves.main.startBin = 9;
  Spectrum highBands = ThirdOctave(2, 0, {0, 0});
  highBands.main.startBin = 32;
  Spectrum beyondTable = ThirdOctave(3, 0, {1, 2, 3});
  beyondTable.main.startBin = 49;
  Spectrum unknownFilter = ThirdOctave(1, 0, {256});
  unknownFilter.main.filter = 9;
  Spectrum tChannels = ThirdOctave(1, 5, {256, 512, 768});
  tChannels.prefix.flags[0] = 0x08;
  tChannels.main.tChannels = 3;
  Spectrum crossStandard = ThirdOctave(1, 0, {256});
  crossStandard.main.systemMode = 1;
  crossStandard.main.dataType = 34;
  const Case cases[] = {
      {"1/3 octave, one channel, units removed", ThirdOctave(2, 0, {256, -2560}), kTranslate,
       ",-1,   .80 ,   6.0\r\n,0,   1.00 , -60.2\r\n"},
      {"units kept", ThirdOctave(1, 0, {256}), 0x5, ",-1,   .80 Hz,   6.0\r\n"},
      {"two channels with headings", twoChannels, kHeadings,
       ",Bin,Freq Hz,Channel 1,Channel 2\r\n,-1,   .80 ,   6.0, -60.2\r\n,0,   1.00 ,   0.0, 770.6\r\n"
       ",1,   1.25 ,  -0.0,-770.6\r\n"},
      {"octaves from band 27", octaves, kHeadingsAndUnits,
       ",Bin,Freq Hz,Channel 1\r\n,27,  500 Hz,   0.2\r\n,30,  1.00kHz,   0.5\r\n"},
      {"kHz cut", highBands, kTranslate, ",31,  1.25,   0.0\r\n,32,  1.60,   0.0\r\n"},
      {"beyond the label table", beyondTable, kTranslate, ",48,  63.0,   0.0\r\n,49,  80.0,   0.0\r\n,,   0.1\r\n"},
      {"unknown filter", unknownFilter, kTranslate, ",,   6.0\r\n"},
      {"t_channels by flag", tChannels, kHeadings,
       ",Bin,Freq Hz,Channel 1,Channel 2,Channel 3\r\n,-1,   .80 ,   6.0,  12.0,  18.1\r\n"},
      {"cross data type 34", crossStandard, kTranslate, ",-1,   .80 ,   6.0\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Write(c.spectrum.Build(), c.dWord), c.expected) << c.what;
}

TEST(D_BlockWriter, TablesStopAfterTheLastCompleteRow) {
  struct Case {
    const char* what;
    Spectrum spectrum;
    std::string expected;
    Bytes trailing = {};
  };
  // 4 bins of 2 channels need 8 values; 5 hold row 0 only (values 0 and 4).
  Spectrum shortData = ThirdOctave(4, 1, {1, 2, 3, 4, 5});
  Spectrum oddByte = ThirdOctave(2, 0, {256});
  Spectrum hugeBins = ThirdOctave(0xFFFF, 0, {256, 512});
  Spectrum hugeExponent = ThirdOctave(1, 200, {256, 512, 768});
  Spectrum hugeTChannels = ThirdOctave(1, 0, {256, 512});
  hugeTChannels.prefix.flags[1] = 0x20;
  hugeTChannels.main.tChannels = 0xFFFF;
  const Case cases[] = {
      {"five of eight values", shortData, ",Bin,Freq Hz,Channel 1,Channel 2\r\n,-1,   .80 ,   0.0,   0.1\r\n"},
      {"a value cut in half", oddByte, ",Bin,Freq Hz,Channel 1\r\n,-1,   .80 ,   6.0\r\n", {0x01}},
      {"bins beyond the record", hugeBins, ",Bin,Freq Hz,Channel 1\r\n,-1,   .80 ,   6.0\r\n,0,   1.00 ,  12.0\r\n"},
      {"exponent 200 is bounded by the record", hugeExponent,
       ",Bin,Freq Hz,Channel 1,Channel 2,Channel 3\r\n,-1,   .80 ,   6.0,  12.0,  18.1\r\n"},
      {"t_channels bounded by the record", hugeTChannels,
       ",Bin,Freq Hz,Channel 1,Channel 2\r\n,-1,   .80 ,   6.0,  12.0\r\n"},
  };
  for (const Case& c : cases) {
    Bytes record = c.spectrum.Build();
    record.insert(record.end(), c.trailing.begin(), c.trailing.end());
    EXPECT_EQ(Write(record, kHeadings), c.expected) << c.what;
  }
}

TEST(D_BlockWriter, MissingBlocksAndUnreadableRecords) {
  Spectrum noData = ThirdOctave(2, 0, {});
  noData.withData = false;
  EXPECT_EQ(Write(noData.Build(), kHeadings, 0x2), "D Block\r\n")
      << "no spectral data block: nothing after the heading";
  Spectrum noMain = ThirdOctave(2, 0, {256, 512});
  noMain.withMain = false;
  EXPECT_EQ(Write(noMain.Build(), kHeadings), ",Bin,Freq Hz,Channel 1\r\n")
      << "an absent main block routes as standard with 0 bins";
  const Bytes tiny(1, 0);
  EXPECT_EQ(Write(tiny, kHeadings, 0x2), "D Block\r\n") << "a record that cannot be read";
  EXPECT_EQ(Write(ThirdOctave(1, 0, {256}).Build(), 0xFFFFFFFE, 0x2), "") << "block not wanted";
  EXPECT_EQ(blocktest::WriteBlock<D_BlockWriter>(tiny, {}), "");
}

TEST(D_BlockWriter, EveryLayoutWritesNothingWithoutItsDataBlock) {
  // Store types 6, 7, 8, 27 and 47, every intensity layout and one data type of every cross layout.
  const struct {
    uint8_t storetype, mode, barwhat;
  } routes[] = {{6, 0, 0},   {7, 0, 0},   {8, 0, 0},   {27, 0, 0},  {47, 0, 0},  {1, 2, 0},  {1, 2, 4},
                {1, 2, 5},   {1, 1, 1},   {1, 1, 3},   {1, 1, 5},   {1, 1, 7},   {1, 1, 9},  {1, 1, 11},
                {1, 1, 13},  {1, 1, 15},  {1, 1, 23},  {1, 1, 27},  {1, 1, 29},  {1, 1, 32}, {1, 1, 33}};
  for (const auto& route : routes) {
    Spectrum s = ThirdOctave(1, 0, {});
    s.withData = false;
    s.prefix.storeType = route.storetype;
    s.main.systemMode = route.mode;
    s.main.dataType = route.barwhat;
    EXPECT_EQ(Write(s.Build(), kHeadings, 0x2), "D Block\r\n") << int(route.storetype) << " " << int(route.barwhat);
  }
}

TEST(D_BlockWriter, FftAndSlmRows) {
  Spectrum s;
  s.prefix.hardwareChannels = 1;
  s.prefix.flags[1] = 0x01;
  s.main.systemMode = 3;
  s.main.filter = 4;
  s.main.fftLowPass = 1;
  s.main.bins = 112;
  s.levels.assign(112, 256);
  const std::string text = Write(s.Build(), kTranslate);
  // 100 lines of 51.2 kHz: 51200 / (99 * 2.56) Hz apart.
  EXPECT_EQ(text.substr(0, 34), ",     0.0000,   6.0\r\n,   202.0202,");
  EXPECT_NE(text.find(",Slow,   6.0\r\n,  Min,   6.0\r\n,  Max,   6.0\r\n,Fast,"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 16), ",  Peak,   6.0\r\n");
}

}  // namespace
