// Number text must match the C library's "%f" and "%10.4f" in the C locale,
// whatever the locale of the host program.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "Conversions.h"
#include "NumberText.h"

namespace {

TEST(FixedText, MatchesPrintfInTheCLocale) {
  const double values[] = {0.0, -0.0, 1.0 / 3, 100.5, -2.5, 0.0000005, 0.0000015, 123456789.125, 1e20, -1e-9,
                           2.5e-7, 23.51796841124854, 65535.99999951};
  for (const double value : values) {
    char expected[512];
    std::snprintf(expected, sizeof expected, "%f", value);
    EXPECT_EQ(FixedText(value, 6), expected) << value;
    std::snprintf(expected, sizeof expected, "%10.4f", value);
    EXPECT_EQ(FixedText(value, 4, 10), expected) << value;
  }
  EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity(), 6), "inf");
  EXPECT_EQ(FixedText(-std::numeric_limits<double>::infinity(), 4, 10), "      -inf");
  EXPECT_EQ(FixedText(std::nan(""), 6), "nan");
}

TEST(FixedText, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
  EXPECT_EQ(FixedText(1.5, 6), "1.500000");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(BitText, WritesTheHighBitFirst) {
  EXPECT_EQ(BitText(5, 8), "00000101");
  EXPECT_EQ(BitText(0x8001, 16), "1000000000000001");
  EXPECT_EQ(BitText(0xFF, 0), "");
}

TEST(Conversions, FollowTheirFormulas) {
  EXPECT_DOUBLE_EQ(LevelDb(256), 256 * 0.02351796841124854);
  EXPECT_DOUBLE_EQ(LevelDb(-32768), -32768 * 0.02351796841124854);
  EXPECT_DOUBLE_EQ(FineLevelDb(1024), 1024 * 0.005879492102812134);
  EXPECT_DOUBLE_EQ(Fraction(32767), 1.0);
  EXPECT_DOUBLE_EQ(HalfScaleFraction(-16383), -16383 / 16383.5);
  EXPECT_DOUBLE_EQ(Hundredths(-150), -1.5);
  EXPECT_DOUBLE_EQ(ScaledValue(32767, 256), 2.0);
  EXPECT_DOUBLE_EQ(ScaledValue(32767, -512), 0.25);
  EXPECT_DOUBLE_EQ(OffsetScaledValue(32767, 0, 1), std::pow(2.0, 7.0));
  EXPECT_DOUBLE_EQ(OffsetScaledValue(32767, 0, 2), std::pow(2.0, 6.0));
  EXPECT_DOUBLE_EQ(OffsetScaledValue(32767, -256, 0), std::pow(2.0, 7.0));
}

}  // namespace
