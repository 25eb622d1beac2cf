// Chooses how a spectral data block is laid out, from the prefix block's
// store type and the main system variables block's mode and data type.
#pragma once

#include <cstdint>

// Every layout that a spectral data block can have. The cross layouts are
// named after their axis, their components and their scaling.
enum class D_Layout {
  kStandardSpectrum,
  kRt60Tables,
  kVsRpmTraces,
  kLnTraceSummary,
  kLnTable,
  kMlsImpulse,
  kIntensitySpectrum,
  kIntensityPower,
  kFieldIndicator,
  kCrossTimeReal,
  kCrossTimeMagnitude,
  kCrossFrequencyRealImaginaryHalfScale,
  kCrossFrequencyMagnitudePhaseLevel,
  kCrossTimeRealImaginaryFraction,
  kCrossTimeMagnitudePhaseFine,
  kCrossFrequencyRealImaginaryScaled,
  kCrossFrequencyMagnitudePhaseFine,
  kCrossTimeRealImaginaryScaled,
  kCrossFrequencyMagnitudePower,
  kCrossTimeMagnitudeOffsetScaled,
  kCrossTwoChannelMagnitudePhase,
  kCrossTimeByChannel,
  kCount,
};

// A layout, or the one-line refusal (without its line end) when the block
// cannot be decoded.
struct D_Route {
  D_Layout layout = D_Layout::kStandardSpectrum;
  const char* refusal = nullptr;
};

struct D_Selectors {
  uint8_t storetype = 0;
  uint8_t systemmode = 0;
  uint8_t barwhat = 0;
  uint8_t intensityBase = 0;  // prefix byte 37, the first intensity-mode data type
  uint8_t crossBase = 0;      // prefix byte 38, the first cross-mode data type
};

D_Route RouteDataBlock(const D_Selectors& selectors);
