#include "A_Layouts.h"

#include <array>
#include <utility>

#include "A_Frame.h"
#include "Conversions.h"
#include "M_Block.h"
#include "RowBuffer.h"

namespace {

constexpr int kLastCrossKind = 37;
constexpr double kParticleVelocityOffset = 34;

enum class Scale { kLevel, kFineLevel, kFraction, kHalfScale, kHundredths, kScaledByPair, kOffsetScaledByMaster };

struct Column {
  Scale scale;
  int width;
  int precision;
};

// The two rows that every two-channel and pair layout alternates.
struct RowPair {
  const char* first;
  const char* second;
  Column firstColumn;
  Column secondColumn;
};

constexpr Column kChannelLevels{Scale::kLevel, 6, 1};
constexpr Column kScaledMagnitude{Scale::kOffsetScaledByMaster, 7, 2};

using L = A_Layout;

// Indexed by cross kind 0 to 37.
constexpr std::array<A_Layout, kLastCrossKind + 1> kCrossLayouts = {
    L::kChannelSpectra,                  // 0
    L::kTwoChannelRealImaginary,         // 1
    L::kTwoChannelRealImaginary,         // 2
    L::kTwoChannelMagnitudePhase,        // 3
    L::kTwoChannelMagnitudePhase,        // 4
    L::kPairRealImaginaryHalfScale,      // 5
    L::kPairRealImaginaryHalfScale,      // 6
    L::kPairMagnitudePhase,              // 7
    L::kPairMagnitudePhase,              // 8
    L::kPairRealImaginaryFullScale,      // 9
    L::kPairRealImaginaryFullScale,      // 10
    L::kPairMagnitudePhaseFine,          // 11
    L::kPairMagnitudePhaseFine,          // 12
    L::kPairRealImaginaryScaled,         // 13
    L::kPairRealImaginaryScaled,         // 14
    L::kPairMagnitudePhaseFine,          // 15
    L::kPairMagnitudePhaseFine,          // 16
    L::kPairRealImaginaryScaled,         // 17
    L::kPairRealImaginaryScaled,         // 18
    L::kPairMagnitudePhaseFine,          // 19
    L::kPairMagnitudePhaseFine,          // 20
    L::kPairMagnitudePhaseFine,          // 21
    L::kPairMagnitudePhaseFine,          // 22
    L::kPairRealImaginaryScaled,         // 23
    L::kPairRealImaginaryScaled,         // 24
    L::kPairMagnitudePhaseFine,          // 25
    L::kPairMagnitudePhaseFine,          // 26
    L::kPairCoherence,                   // 27
    L::kPairCoherence,                   // 28
    L::kScaledMagnitude,                 // 29
    L::kScaledMagnitude,                 // 30
    L::kScaledMagnitude,                 // 31
    L::kTwoChannelMagnitudePhaseCoarse,  // 32
    L::kChannelSpectra,                  // 33
    L::kChannelSpectra,                  // 34
    L::kTwoChannelMagnitudePhaseCoarse,  // 35
    L::kPairMagnitudePhase,              // 36
    L::kPairMagnitudePhase,              // 37
};

RowPair RowsOf(A_Layout layout) {
  switch (layout) {
    case L::kTwoChannelRealImaginary:
      return {"Real", "Imaginary", {Scale::kFraction, 7, 4}, {Scale::kFraction, 7, 4}};
    case L::kTwoChannelMagnitudePhase:
      return {"Magnitude", "Phase", {Scale::kFineLevel, 7, 2}, {Scale::kHundredths, 6, 1}};
    case L::kTwoChannelMagnitudePhaseCoarse:
      return {"Magnitude", "Phase", {Scale::kLevel, 6, 1}, {Scale::kHundredths, 6, 1}};
    case L::kPairRealImaginaryHalfScale:
      return {"Real", "Imaginary", {Scale::kHalfScale, 7, 2}, {Scale::kHalfScale, 7, 2}};
    case L::kPairMagnitudePhase:
      return {"Magnitude", "Phase", {Scale::kLevel, 7, 2}, {Scale::kHundredths, 7, 2}};
    case L::kPairRealImaginaryFullScale:
      return {"Real", "Imaginary", {Scale::kFraction, 7, 2}, {Scale::kFraction, 7, 2}};
    case L::kPairMagnitudePhaseFine:
      return {"Magnitude", "Phase", {Scale::kFineLevel, 7, 2}, {Scale::kHundredths, 7, 2}};
    case L::kPairRealImaginaryScaled:
      return {"Real", "Imaginary", {Scale::kScaledByPair, 7, 2}, {Scale::kFraction, 7, 2}};
    case L::kPairCoherence:
    default:  // only the two-channel and pair layouts ask
      return {"Coherence", "Coherent Power", {Scale::kFraction, 7, 2}, {Scale::kLevel, 7, 2}};
  }
}

// Values are single precision, as the analyzer computes them.
float Convert(Scale scale, int16_t raw, const A_Frame& frame, uint64_t pair) {
  switch (scale) {
    case Scale::kLevel:
      return static_cast<float>(LevelDb(raw));
    case Scale::kFineLevel:
      return static_cast<float>(FineLevelDb(raw));
    case Scale::kFraction:
      return static_cast<float>(Fraction(raw));
    case Scale::kHalfScale:
      return static_cast<float>(HalfScaleFraction(raw));
    case Scale::kHundredths:
      return static_cast<float>(Hundredths(raw));
    case Scale::kScaledByPair:
      // Pair q takes data scale q, as the pairs of the spectral data block do.
      return static_cast<float>(ScaledValue(raw, frame.Store().DataScale(pair)));
    case Scale::kOffsetScaledByMaster:
      return static_cast<float>(OffsetScaledValue(raw, frame.Store().DataScale(frame.Settings().masterChannel),
                                                  frame.Settings().fftWindow));
  }
  return 0;
}

// After a row's label: the row prefix for `prefixChannel`, the values of
// data row `row` and the line end.
void WriteValues(const A_Frame& frame, uint64_t row, uint64_t prefixChannel, Column column, uint64_t pair = 0) {
  RowBuffer& out = frame.Out();
  frame.WriteRowPrefix(prefixChannel);
  for (uint64_t bin = 0; bin < frame.Bins(); ++bin) {
    out.Append(",");
    out.AppendFixed(Convert(column.scale, frame.Value(row, bin), frame, pair), column.precision, column.width);
  }
  out.Append("\r\n");
}

void WriteChannelSpectra(const A_Frame& frame) {
  RowBuffer& out = frame.Out();
  for (uint64_t channel = 0; channel < frame.Channels() && frame.RowFits(channel); ++channel) {
    out.Append(",,,Channel ");
    out.AppendInteger(static_cast<long long>(channel + 1));
    WriteValues(frame, channel, channel, kChannelLevels);
  }
}

// Rows 0 to 3 alternating the two labels, all with the prefix of channel 1.
void WriteTwoChannelRows(const A_Frame& frame, const RowPair& rows) {
  constexpr uint64_t kRows = 4;
  for (uint64_t row = 0; row < kRows && frame.RowFits(row); ++row) {
    const bool first = row % 2 == 0;
    frame.Out().Append(",,,");
    frame.Out().Append(first ? rows.first : rows.second);
    WriteValues(frame, row, 0, first ? rows.firstColumn : rows.secondColumn);
  }
}

void WritePairLabel(const A_Frame& frame, uint64_t pair, const char* name) {
  RowBuffer& out = frame.Out();
  out.Append(",,,Ch ");
  out.AppendInteger(static_cast<long long>(pair + 2));
  out.Append("vs1 ");
  out.Append(name);
}

// Channels 2 to C against channel 1: rows 2q and 2q + 1 for pair q.
void WritePairRows(const A_Frame& frame, const RowPair& rows) {
  for (uint64_t pair = 0; pair + 1 < frame.Channels(); ++pair) {
    if (!frame.RowFits(2 * pair)) return;
    WritePairLabel(frame, pair, rows.first);
    WriteValues(frame, 2 * pair, pair, rows.firstColumn, pair);
    if (!frame.RowFits(2 * pair + 1)) return;
    WritePairLabel(frame, pair, rows.second);
    WriteValues(frame, 2 * pair + 1, pair, rows.secondColumn, pair);
  }
}

void WriteScaledMagnitude(const A_Frame& frame) {
  if (!frame.RowFits(0)) return;
  frame.Out().Append(",,,Magnitude");
  WriteValues(frame, 0, 0, kScaledMagnitude);
}

// Bits 0 to 14 of an intensity word as a signed 15-bit level.
int IntensityLevel(int16_t word) {
  const int level = static_cast<uint16_t>(word) & 0x7FFF;
  return (level & 0x4000) != 0 ? level - 0x8000 : level;
}

bool PointsDown(int16_t word) { return (static_cast<uint16_t>(word) & 0x8000) != 0; }

enum class IntensityRow { kIntensity, kDirection, kQuality, kParticleVelocity };

void WriteIntensityValues(const A_Frame& frame, uint64_t channel, IntensityRow kind) {
  RowBuffer& out = frame.Out();
  frame.WriteBlankPrefix();
  const int correction = frame.Settings().ptCorrection;
  for (uint64_t bin = 0; bin < frame.Bins(); ++bin) {
    const int16_t word = frame.Value(channel, bin);
    const int level = IntensityLevel(word);
    const int pressure = frame.Value(0, bin);
    out.Append(",");
    switch (kind) {
      case IntensityRow::kIntensity:
        out.AppendFixed(static_cast<float>(LevelDb(level)), 1, 6);
        break;
      case IntensityRow::kDirection:
        out.Append(PointsDown(word) ? "Down" : "Up");
        break;
      case IntensityRow::kQuality:
        out.AppendFixed(static_cast<float>(LevelDb(level - pressure - correction)), 1, 6);
        break;
      case IntensityRow::kParticleVelocity:
        out.AppendFixed(static_cast<float>(LevelDb(2 * level - pressure) + kParticleVelocityOffset), 1, 6);
        break;
    }
  }
}

// Sound pressure, then per channel its intensity and direction, then every
// channel's quality, then every channel's particle velocity. These rows
// begin with their line end instead of ending with one.
void WriteIntensity(const A_Frame& frame) {
  RowBuffer& out = frame.Out();
  if (!frame.RowFits(0)) return;
  out.Append("\r\n,,,SPL");
  frame.WriteRowPrefix(0);
  for (uint64_t bin = 0; bin < frame.Bins(); ++bin) {
    out.Append(",");
    out.AppendFixed(static_cast<float>(LevelDb(frame.Value(0, bin))), 1, 6);
  }
  uint64_t channels = 1;
  while (channels < frame.Channels() && frame.RowFits(channels)) ++channels;
  for (uint64_t channel = 1; channel < channels; ++channel) {
    out.Append("\r\n,,,Ch ");
    out.AppendInteger(static_cast<long long>(channel + 1));
    out.Append("vs1 Intensity");
    WriteIntensityValues(frame, channel, IntensityRow::kIntensity);
    out.Append("\r\n,,,Direction");
    WriteIntensityValues(frame, channel, IntensityRow::kDirection);
  }
  for (const auto& [kind, name] : {std::pair{IntensityRow::kQuality, "vs1 Quality"},
                                   std::pair{IntensityRow::kParticleVelocity, "vs1 Particle Velocity"}}) {
    for (uint64_t channel = 1; channel < channels; ++channel) {
      out.Append("\r\n,,,Ch ");
      out.AppendInteger(static_cast<long long>(channel + 1));
      out.Append(name);
      WriteIntensityValues(frame, channel, kind);
    }
  }
}

}  // namespace

A_Layout ChooseFrameLayout(uint8_t systemmode, int crossKind) {
  if (systemmode > kSlmxMode) return L::kNothing;
  if (systemmode == kIntensityMode) return L::kIntensity;
  if (systemmode != kCrossMode) return L::kChannelSpectra;
  if (crossKind < 0 || crossKind > kLastCrossKind) return L::kNothing;
  return kCrossLayouts[static_cast<std::size_t>(crossKind)];
}

void WriteFrameRows(const A_Frame& frame, A_Layout layout) {
  switch (layout) {
    case L::kNothing:
      return;
    case L::kChannelSpectra:
      return WriteChannelSpectra(frame);
    case L::kTwoChannelRealImaginary:
    case L::kTwoChannelMagnitudePhase:
    case L::kTwoChannelMagnitudePhaseCoarse:
      return WriteTwoChannelRows(frame, RowsOf(layout));
    case L::kScaledMagnitude:
      return WriteScaledMagnitude(frame);
    case L::kIntensity:
      return WriteIntensity(frame);
    default:
      return WritePairRows(frame, RowsOf(layout));
  }
}
