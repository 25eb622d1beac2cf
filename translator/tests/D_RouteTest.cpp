// Which layout a spectral data block has, or why it cannot be decoded.
#include <gtest/gtest.h>

#include "blocks/D_Route.h"

namespace {

TEST(D_Route, StoreTypeDecidesFirst) {
  const struct {
    uint8_t storetype;
    D_Layout layout;
    const char* refusal;
  } cases[] = {
      {0, D_Layout::kStandardSpectrum, "P.storetype error, D block not decoded."},
      {48, D_Layout::kStandardSpectrum, "P.storetype error, D block not decoded."},
      {255, D_Layout::kStandardSpectrum, "P.storetype error, D block not decoded."},
      {6, D_Layout::kRt60Tables, nullptr},
      {7, D_Layout::kVsRpmTraces, nullptr},
      {8, D_Layout::kLnTraceSummary, nullptr},
      {27, D_Layout::kLnTable, nullptr},
      {47, D_Layout::kMlsImpulse, nullptr},
      {1, D_Layout::kStandardSpectrum, nullptr},
      {46, D_Layout::kStandardSpectrum, nullptr},
  };
  for (const auto& c : cases) {
    const D_Route route = RouteDataBlock({.storetype = c.storetype, .systemmode = 1, .barwhat = 0});
    EXPECT_EQ(route.layout, c.layout) << int{c.storetype};
    EXPECT_STREQ(route.refusal, c.refusal) << int{c.storetype};
  }
  for (uint8_t storetype : {22, 23, 34, 35, 38, 39, 40, 41}) {
    EXPECT_STREQ(RouteDataBlock({.storetype = storetype}).refusal,
                 "P.block_mask/M.barwhat mismatch error, D block not decoded.");
  }
  for (uint8_t storetype : {24, 25, 26, 37, 42, 43}) {
    EXPECT_STREQ(RouteDataBlock({.storetype = storetype}).refusal,
                 "This D block contains class setups data which is not decoded");
  }
}

TEST(D_Route, ModeAndDataTypeDecideTheRest) {
  using L = D_Layout;
  const char* const standard = "Standard mode M.barwhat error, D block not decoded.";
  const char* const intensity = "Intensity mode M.barwhat error, D block not decoded.";
  const char* const cross = "Cross mode M.barwhat error, D block not decoded.";
  const struct {
    uint8_t mode, barwhat, intensityBase, crossBase;
    L layout;
    const char* refusal;
  } cases[] = {
      {0, 0, 0, 0, L::kStandardSpectrum, nullptr},
      {0, 4, 0, 0, L::kStandardSpectrum, nullptr},
      {3, 15, 0, 0, L::kStandardSpectrum, nullptr},
      {4, 2, 0, 0, L::kStandardSpectrum, nullptr},
      {0, 5, 0, 0, L::kStandardSpectrum, standard},
      {4, 14, 0, 0, L::kStandardSpectrum, standard},
      {5, 0, 0, 0, L::kStandardSpectrum, "M.systemmode error, D block not decoded."},
      {255, 0, 0, 0, L::kStandardSpectrum, "M.systemmode error, D block not decoded."},
      {2, 20, 20, 0, L::kIntensitySpectrum, nullptr},
      {2, 23, 20, 0, L::kIntensitySpectrum, nullptr},
      {2, 24, 20, 0, L::kIntensityPower, nullptr},
      {2, 25, 20, 0, L::kFieldIndicator, nullptr},
      {2, 28, 20, 0, L::kFieldIndicator, nullptr},
      {2, 29, 20, 0, L::kStandardSpectrum, intensity},
      {2, 19, 20, 0, L::kStandardSpectrum, intensity},
      {1, 40, 0, 40, L::kStandardSpectrum, nullptr},
      {1, 74, 0, 40, L::kStandardSpectrum, nullptr},
      {1, 41, 0, 40, L::kCrossTimeReal, nullptr},
      {1, 44, 0, 40, L::kCrossTimeMagnitude, nullptr},
      {1, 45, 0, 40, L::kCrossFrequencyRealImaginaryHalfScale, nullptr},
      {1, 77, 0, 40, L::kCrossFrequencyMagnitudePhaseLevel, nullptr},
      {1, 49, 0, 40, L::kCrossTimeRealImaginaryFraction, nullptr},
      {1, 66, 0, 40, L::kCrossTimeMagnitudePhaseFine, nullptr},
      {1, 57, 0, 40, L::kCrossFrequencyRealImaginaryScaled, nullptr},
      {1, 62, 0, 40, L::kCrossFrequencyMagnitudePhaseFine, nullptr},
      {1, 63, 0, 40, L::kCrossTimeRealImaginaryScaled, nullptr},
      {1, 68, 0, 40, L::kCrossFrequencyMagnitudePower, nullptr},
      {1, 71, 0, 40, L::kCrossTimeMagnitudeOffsetScaled, nullptr},
      {1, 75, 0, 40, L::kCrossTwoChannelMagnitudePhase, nullptr},
      {1, 73, 0, 40, L::kCrossTimeByChannel, nullptr},
      {1, 78, 0, 40, L::kStandardSpectrum, cross},
      {1, 39, 0, 40, L::kStandardSpectrum, cross},
      // A data type far below its base must not wrap into the table.
      {1, 10, 0, 230, L::kStandardSpectrum, cross},
  };
  for (const auto& c : cases) {
    const D_Route route = RouteDataBlock({.storetype = 1,
                                          .systemmode = c.mode,
                                          .barwhat = c.barwhat,
                                          .intensityBase = c.intensityBase,
                                          .crossBase = c.crossBase});
    EXPECT_STREQ(route.refusal, c.refusal) << int{c.mode} << " " << int{c.barwhat};
    if (c.refusal == nullptr) {
      EXPECT_EQ(route.layout, c.layout) << int{c.mode} << " " << int{c.barwhat};
    }
  }
}

}  // namespace
