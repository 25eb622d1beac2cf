// The table rows of one autostore frame, in the layout that the system mode
// and the data type choose.
#pragma once

#include <cstdint>

class A_Frame;

enum class A_Layout {
  kNothing,
  kChannelSpectra,
  kTwoChannelRealImaginary,
  kTwoChannelMagnitudePhase,
  kTwoChannelMagnitudePhaseCoarse,
  kPairRealImaginaryHalfScale,
  kPairMagnitudePhase,
  kPairRealImaginaryFullScale,
  kPairMagnitudePhaseFine,
  kPairRealImaginaryScaled,
  kPairCoherence,
  kScaledMagnitude,
  kIntensity,
};

// `crossKind` is the data type less the prefix's first cross-mode data type;
// it only matters in cross mode.
A_Layout ChooseFrameLayout(uint8_t systemmode, int crossKind);

// Writes the frame's rows. Rows stop at the first one whose data run past
// the end of the record.
void WriteFrameRows(const A_Frame& frame, A_Layout layout);
