// Whole translations of records with prefix, main system variables and
// spectral data blocks: the driver's edge cases that need real blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TempDir.h"
#include "VqbBuilder.h"
#include "WriterOutput.h"
#include "morvane/Morvane.h"

using vqbtest::Bytes;

namespace {

constexpr uint32_t kTranslate = 0x1;

const std::string kMainLines =
    ",System Mode,0\r\n,Channels,1\r\n,T Channels,0\r\n,Data Type,0\r\n,Master Channel,0\r\n,Filter,1\r\n"
    ",Octave Window,0\r\n,Base Frequency,0\r\n,FFT Low Pass,1\r\n,FFT Window,0\r\n,Lifter,0\r\n,Zoom,0\r\n"
    ",Bins,2\r\n,Start Bin,0\r\n,Range,0\r\n,Detector,0\r\n,Detector Time,0.000000\r\n,Exptimecode,0\r\n"
    ",Constantcode,0\r\n,In Set Index,0\r\n,Splits,1\r\n,Units,11\r\n,Mode,21\r\n,High Pass,31\r\n,Low Pass,41\r\n"
    ",Input,51\r\n";

class BlockTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    input = dir.File("in.vqb");
    output = dir.File("out.csv");
    vqbtest::VqbFileBuilder()
        .Add(2, vqbtest::SpectrumRecord(1, 2))
        .Add(2, vqbtest::RecordBuilder().Build())
        .WriteTo(input);
  }

  std::string Translate(unsigned char type, unsigned short number, _DataProfileTag* profile,
                        unsigned short blockSelect = ALL_PRESENT_BLOCKS) {
    std::vector<_RecordEntryTag> records = {{type, number, ""}};
    _TranslateInfoTag info{};
    std::strncpy(info.inputPath, input.c_str(), sizeof info.inputPath - 1);
    std::strncpy(info.outputPath, output.c_str(), sizeof info.outputPath - 1);
    info.profile = profile;
    info.records = records.data();
    info.recordTotal = 1;
    info.blockSelect = blockSelect;
    Morvane translator;
    EXPECT_EQ(translator.Translate(&info), 1);
    return vqbtest::ReadFileText(output);
  }

  TempDir dir;
  std::string input;
  std::string output;
};

TEST_F(BlockTranslation, OnlyTheMainBlockWord) {
  _DataProfileTag profile{};
  profile.word[3] = kTranslate;
  EXPECT_EQ(Translate(2, 1, &profile), kMainLines);
}

TEST_F(BlockTranslation, BannerAndHeadingBeforeTheMainBlock) {
  _DataProfileTag profile{};
  profile.word[0] = 0x3;
  profile.word[3] = kTranslate;
  EXPECT_EQ(Translate(2, 1, &profile),
            vqbtest::kBannerRule + "Output of Leq 1\r\n" + vqbtest::kBannerRule + "M Block\r\n" + kMainLines);
}

TEST_F(BlockTranslation, SelectingAnAbsentMainBlock) {
  _DataProfileTag profile{};
  profile.word[3] = kTranslate;
  EXPECT_EQ(Translate(2, 2, &profile, 0x0004),
            blocktest::Unreadable("M_Block") +
                ",System Mode,0\r\n,Channels,1\r\n,T Channels,0\r\n,Data Type,0\r\n,Master Channel,0\r\n,Filter,0\r\n"
                ",Octave Window,0\r\n,Base Frequency,0\r\n,FFT Low Pass,0\r\n,FFT Window,0\r\n,Lifter,0\r\n,Zoom,0\r\n"
                ",Bins,0\r\n,Start Bin,0\r\n,Range,0\r\n,Detector,0\r\n,Detector Time,0.000000\r\n,Exptimecode,0\r\n"
                ",Constantcode,0\r\n,In Set Index,0\r\n");
}

TEST_F(BlockTranslation, PrefixMainAndSpectrumInOrder) {
  _DataProfileTag profile{};
  profile.word[0] = 0x2;
  profile.word[1] = kTranslate;
  profile.word[3] = kTranslate;
  profile.word[11] = 0x3;
  const std::string text = Translate(2, 1, &profile);
  const std::string prefix =
      "P Block\r\n,Store Type,Normal\r\n,Hardware Channels,1\r\n,Data Length,4\r\n"
      ",Block Mask,00100000b,00000101b,\r\n,Code Rev,A2.34\r\n,Datestamp,Jan 01 2000 12:00\r\n"
      ",Hardware Inputset,0\r\n,Hardware Inputs1,0\r\n,Hardware Inputs2,0\r\n,Hardware Inputs3,0\r\n"
      ",Hardware Flags,00000000b,00000000b,00000000b,\r\n";
  const std::string spectrum = "D Block\r\n,Bin,Freq Hz,Channel 1\r\n,-1,   .80 ,  45.0\r\n,0,   1.00 ,  46.0\r\n";
  EXPECT_EQ(text, prefix + "M Block\r\n" + kMainLines + spectrum);
}

}  // namespace
