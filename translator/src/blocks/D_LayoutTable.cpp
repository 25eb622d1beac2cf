#include "D_LayoutTable.h"

#include <array>

#include "D_StandardSpectrum.h"
#include "layouts/CrossLayouts.h"
#include "layouts/IntensityLayouts.h"
#include "layouts/LnTableLayout.h"
#include "layouts/LnTraceLayout.h"
#include "layouts/MlsLayout.h"
#include "layouts/Rt60Layout.h"
#include "layouts/TraceLayout.h"

namespace {

constexpr std::array<D_LayoutWriter, static_cast<std::size_t>(D_Layout::kCount)> layoutWriters = [] {
  std::array<D_LayoutWriter, static_cast<std::size_t>(D_Layout::kCount)> table{};
  const auto set = [&table](D_Layout layout, D_LayoutWriter writer) { table[static_cast<std::size_t>(layout)] = writer; };
  using L = D_Layout;
  set(L::kStandardSpectrum, &WriteStandardSpectrum);
  set(L::kRt60Tables, &WriteRt60Tables);
  set(L::kVsRpmTraces, &WriteVsRpmTraces);
  set(L::kLnTraceSummary, &WriteLnTraceSummary);
  set(L::kLnTable, &WriteLnTable);
  set(L::kMlsImpulse, &WriteMlsImpulse);
  set(L::kIntensitySpectrum, &WriteIntensitySpectrum);
  set(L::kIntensityPower, &WriteIntensityPower);
  set(L::kFieldIndicator, &WriteFieldIndicator);
  set(L::kCrossTimeReal, &WriteCrossLayout<L::kCrossTimeReal>);
  set(L::kCrossTimeMagnitude, &WriteCrossLayout<L::kCrossTimeMagnitude>);
  set(L::kCrossFrequencyRealImaginaryHalfScale, &WriteCrossLayout<L::kCrossFrequencyRealImaginaryHalfScale>);
  set(L::kCrossFrequencyMagnitudePhaseLevel, &WriteCrossLayout<L::kCrossFrequencyMagnitudePhaseLevel>);
  set(L::kCrossTimeRealImaginaryFraction, &WriteCrossLayout<L::kCrossTimeRealImaginaryFraction>);
  set(L::kCrossTimeMagnitudePhaseFine, &WriteCrossLayout<L::kCrossTimeMagnitudePhaseFine>);
  set(L::kCrossFrequencyRealImaginaryScaled, &WriteCrossLayout<L::kCrossFrequencyRealImaginaryScaled>);
  set(L::kCrossFrequencyMagnitudePhaseFine, &WriteCrossLayout<L::kCrossFrequencyMagnitudePhaseFine>);
  set(L::kCrossTimeRealImaginaryScaled, &WriteCrossLayout<L::kCrossTimeRealImaginaryScaled>);
  set(L::kCrossFrequencyMagnitudePower, &WriteCrossLayout<L::kCrossFrequencyMagnitudePower>);
  set(L::kCrossTimeMagnitudeOffsetScaled, &WriteCrossLayout<L::kCrossTimeMagnitudeOffsetScaled>);
  set(L::kCrossTwoChannelMagnitudePhase, &WriteCrossLayout<L::kCrossTwoChannelMagnitudePhase>);
  set(L::kCrossTimeByChannel, &WriteCrossLayout<L::kCrossTimeByChannel>);
  return table;
}();

}  // namespace

D_LayoutWriter FindDataLayout(D_Layout layout) {
  const auto index = static_cast<std::size_t>(layout);
  return index < layoutWriters.size() ? layoutWriters[index] : nullptr;
}
