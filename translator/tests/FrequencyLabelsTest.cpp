// The band label tables, the bin label and the sample time of spectral rows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "labels/FrequencyLabels.h"
#include "labels/LabelTables.h"

using labels::BandSettings;

namespace {

TEST(LabelTables, OctaveAndThirdOctaveEnds) {
  EXPECT_STREQ(labels::OctaveLabel(0), "0,   1.00 Hz");
  EXPECT_STREQ(labels::OctaveLabel(7), "21,  125 Hz");
  EXPECT_STREQ(labels::OctaveLabel(16), "48,  63.0kHz");
  EXPECT_STREQ(labels::OctaveLabel(17), "");
  EXPECT_STREQ(labels::OctaveLabel(-1), "");
  EXPECT_STREQ(labels::OctaveLabelNoComma(0), "0   1.00 Hz");
  EXPECT_STREQ(labels::OctaveLabelNoComma(7), "21  125 Hz");
  EXPECT_STREQ(labels::OctaveLabelNoComma(17), "");
  EXPECT_STREQ(labels::ThirdOctaveLabel(0), "-1,   .80 Hz");
  EXPECT_STREQ(labels::ThirdOctaveLabel(21), "20,   100 Hz");
  EXPECT_STREQ(labels::ThirdOctaveLabel(50), "49,  80.0kHz");
  EXPECT_STREQ(labels::ThirdOctaveLabel(51), "");
  EXPECT_STREQ(labels::ThirdOctaveLabelNoComma(0), "-1   .80 Hz");
  EXPECT_STREQ(labels::ThirdOctaveLabelNoComma(50), "49  80.0kHz");
  for (int i = 0; i < labels::kThirdOctaveBands; ++i) EXPECT_EQ(std::strlen(labels::ThirdOctaveLabel(i)), 12u) << i;
}

TEST(LabelTables, FractionalOctavesFollowTheRule) {
  const struct {
    const char* (*table)(long long);
    long long index;
    const char* text;
  } cases[] = {
      {labels::TwelfthOctaveLabel, 0, "-1a .711 Hz"},
      {labels::TwelfthOctaveLabel, 4, " 0a .896 Hz"},
      {labels::TwelfthOctaveLabel, 6, " 0c 1.01 Hz"},
      {labels::TwelfthOctaveLabel, 86, "20c  102 Hz"},
      {labels::TwelfthOctaveLabel, 124, "30a  917 Hz"},
      {labels::TwelfthOctaveLabel, 126, "30c 1.03kHz"},
      {labels::TwelfthOctaveLabel, 179, "43d 22.0kHz"},
      {labels::TwelfthOctaveLabel, 180, ""},
      {labels::TwentyFourthOctaveLabel, 0, "-1a .701 Hz"},
      {labels::TwentyFourthOctaveLabel, 21, " 1f 1.28 Hz"},
      {labels::TwentyFourthOctaveLabel, 101, "11f 13.0 Hz"},
      {labels::TwentyFourthOctaveLabel, 122, "14c 23.8 Hz"},
      {labels::TwentyFourthOctaveLabel, 123, "14d 24.2 Hz"},
      {labels::TwentyFourthOctaveLabel, 124, "14e 25.2 Hz"},
      {labels::TwentyFourthOctaveLabel, 185, "22b  147 Hz"},
      {labels::TwentyFourthOctaveLabel, 254, "30g 1.07kHz"},
      {labels::TwentyFourthOctaveLabel, 331, "40d 9.93kHz"},
      {labels::TwentyFourthOctaveLabel, 342, "41g 13.7kHz"},
      {labels::TwentyFourthOctaveLabel, 359, "43h 22.3kHz"},
      {labels::TwentyFourthOctaveLabel, 360, ""},
      {labels::TwentyFourthOctaveLabel, -1, ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(c.table(c.index), c.text) << c.index;
  for (int i = 0; i < labels::kTwelfthOctaveBands; ++i) EXPECT_EQ(std::strlen(labels::TwelfthOctaveLabel(i)), 11u);
  for (int i = 0; i < labels::kTwentyFourthOctaveBands; ++i) {
    EXPECT_EQ(std::strlen(labels::TwentyFourthOctaveLabel(i)), 11u);
  }
}

TEST(LabelTables, NamesAndRates) {
  EXPECT_STREQ(labels::FilterName(0), "1/1 Octave");
  EXPECT_STREQ(labels::FilterName(7), "800 line FFT");
  EXPECT_STREQ(labels::FilterName(8), "");
  EXPECT_STREQ(labels::SystemModeName(5), "MLSI");
  EXPECT_STREQ(labels::SystemModeName(6), "");
  EXPECT_STREQ(labels::SlmLabel(false, 7), "  Min");
  EXPECT_STREQ(labels::SlmLabel(true, 7), "LEQ");
  EXPECT_STREQ(labels::SlmLabel(true, 11), "  Tmax5");
  EXPECT_STREQ(labels::SlmLabel(false, 12), "");
  using labels::SampleRateTable;
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kA, 0), 256000.0);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kA, 8), std::nullopt);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kB, 2), 12800.0);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kSampleTimeB, 2), 9600.0);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kC, 8), 128.0);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kD, 4), std::nullopt);
  EXPECT_EQ(labels::SampleRate(SampleRateTable::kB, -1), std::nullopt);
}

BandSettings Settings(uint8_t filter, uint16_t bins, uint8_t lowPass = 1) {
  BandSettings s;
  s.filter = filter;
  s.bins = bins;
  s.fft_low_pass = lowPass;
  return s;
}

BandSettings WithFlags(BandSettings s, uint8_t flag34, uint8_t flag35, uint8_t flag36 = 0) {
  s.flags[0] = flag34;
  s.flags[1] = flag35;
  s.flags[2] = flag36;
  return s;
}

TEST(BinLabel, OctaveBandsAndUnits) {
  BandSettings third = Settings(1, 3);
  third.start_bin = 32;
  EXPECT_EQ(labels::BinLabel(third, 0, false), "31,  1.25");
  EXPECT_EQ(labels::BinLabel(third, 0, true), "31,  1.25kHz");
  third.start_bin = 0;
  EXPECT_EQ(labels::BinLabel(third, 0, true), "-1,   .80 Hz");
  EXPECT_EQ(labels::BinLabel(third, 0, false), "-1,   .80 ");
  EXPECT_EQ(labels::BinLabel(third, 51, true), "");
  third.start_bin = 0xFFFF;
  EXPECT_EQ(labels::BinLabel(third, 0, true), "") << "start bins are unsigned";
  EXPECT_EQ(labels::BinLabel(Settings(0, 1), 10, false), "30,  1.00");
  EXPECT_EQ(labels::BinLabel(Settings(2, 1), 126, false), "30c 1.03");
  EXPECT_EQ(labels::BinLabel(Settings(3, 1), 123, true), "14d 24.2 Hz");
  EXPECT_EQ(labels::BinLabel(Settings(9, 1), 0, true), "");
  EXPECT_EQ(labels::BinLabel(Settings(255, 1), 0, true), "");
}

TEST(BinLabel, FftFrequenciesFromEachRateTable) {
  const struct {
    const char* what;
    BandSettings settings;
    long long bin;
    const char* text;
  } cases[] = {
      {"table B, 12 SLM rows", Settings(6, 412, 2), 1, "    25.0627"},
      {"table B, 401 lines", Settings(6, 401, 2), 1, "    25.0000"},
      {"table B, first bin", Settings(6, 401, 2), 0, "     0.0000"},
      {"table C, base and zoom",
       [] {
         auto s = WithFlags(Settings(4, 401, 4), 0, 0x20);
         s.base_frequency = 100;
         s.zoom = 1;
         return s;
       }(),
       10, "   275.0000"},
      {"fixed 64 kHz", WithFlags(Settings(5, 101, 9), 0x28, 0), 4, "  1000.0000"},
      {"table D", WithFlags(Settings(5, 101, 3), 0x20, 0x01), 4, "   100.0000"},
      {"table A", WithFlags(Settings(5, 101, 0), 0x20, 0), 1, "  1000.0000"},
      {"table A beyond its end", WithFlags(Settings(5, 101, 8), 0x20, 0), 1, ""},
      {"table D beyond its end", WithFlags(Settings(5, 101, 4), 0x20, 0x02), 1, ""},
      {"table B beyond its end", Settings(5, 101, 8), 1, ""},
      {"table C beyond its end", WithFlags(Settings(5, 101, 10), 0, 0x20), 1, ""},
      {"one line has no step", Settings(4, 1), 0, ""},
      {"thirteen bins leave one line", Settings(4, 13), 0, ""},
      {"order, table B side",
       [] {
         auto s = Settings(4, 101, 0);
         s.base_frequency = 2;
         s.zoom = 1;
         return s;
       }(),
       3, "    38.0000"},
      {"order, table C side",
       [] {
         auto s = WithFlags(Settings(7, 101, 0), 0, 0x20);
         s.base_frequency = 1;
         s.zoom = 3;
         s.max_rpm = 2;
         return s;
       }(),
       2, "     0.0469"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(labels::BinLabel(c.settings, c.bin, false), c.text) << c.what;
    EXPECT_EQ(labels::BinLabel(c.settings, c.bin, true), c.text) << c.what;
  }
}

TEST(BinLabel, SoundLevelMeterRows) {
  BandSettings slm = WithFlags(Settings(6, 412, 1), 0, 0x01);
  slm.systemmode = 3;
  const char* const list1[] = {"Slow",    "  Min", "  Max", "Fast", "  Min", "  Max",
                               "Impulse", "  Min", "  Max", "LEQ",  "  SEL", "  Peak"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(labels::BinLabel(slm, 400 + i, false), list1[i]) << i;
  EXPECT_EQ(labels::BinLabel(slm, 399, false), " 20000.0000") << "the last FFT line of 400";
  BandSettings second = WithFlags(Settings(1, 20), 0, 0x02, 0x01);
  second.systemmode = 4;
  EXPECT_EQ(labels::BinLabel(second, 7, false), "6,   4.00 ");
  EXPECT_EQ(labels::BinLabel(second, 8, false), "Slow");
  EXPECT_EQ(labels::BinLabel(second, 19, true), "  Tmax5");
  BandSettings fewBins = second;
  fewBins.bins = 5;
  EXPECT_EQ(labels::BinLabel(fewBins, 0, true), "LEQ") << "fewer bins than SLM rows";
  BandSettings standard = second;
  standard.systemmode = 0;
  EXPECT_EQ(labels::BinLabel(standard, 19, true), "18,  63.0 Hz");
  BandSettings noFlags = WithFlags(second, 0, 0, 0x01);
  EXPECT_EQ(labels::BinLabel(noFlags, 19, true), "18,  63.0 Hz");
}

TEST(SampleTime, RatesWordsAndBounds) {
  const struct {
    const char* what;
    BandSettings settings;
    long long sample;
    const char* text;
  } cases[] = {
      {"octave filter", Settings(1, 100), 1, "invalid"},
      {"1/1 octave", Settings(0, 100), 1, "invalid"},
      {"unknown filter", Settings(8, 100), 1, ""},
      {"order", Settings(4, 100, 0), 1, "Order"},
      {"order by table C flag", WithFlags(Settings(4, 100, 0), 0, 0x20), 1, "Order"},
      {"9.6 kHz in place of 12.8 kHz", Settings(4, 100, 3), 96, "     0.0100000"},
      {"zoom divides the rate",
       [] {
         auto s = Settings(4, 100, 3);
         s.zoom = 2;
         return s;
       }(),
       96, "     0.0400000"},
      {"table C end", WithFlags(Settings(4, 100, 9), 0, 0x20), 1, "     0.0078125"},
      {"table B beyond its end", Settings(4, 100, 8), 1, ""},
      {"fixed 64 kHz", WithFlags(Settings(4, 100, 0), 0x28, 0), 64000, "     1.0000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(labels::SampleTime(c.settings, c.sample), c.text) << c.what;
}

TEST(StripUnits, CutsAtTheUnit) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"30,  1.00kHz", "30,  1.00"},
               {"-1,   .80 Hz", "-1,   .80 "},
               {"Slow", "Slow"},
               {"", ""},
               {"Hz kHz", ""},
               {"a kHz Hz", "a "}};
  for (const auto& c : cases) {
    std::string label = c.in;
    labels::StripUnits(label);
    EXPECT_EQ(label, c.out) << c.in;
  }
}

}  // namespace
