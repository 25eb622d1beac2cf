#include "D_Route.h"

#include <array>
#include <optional>

namespace {

enum SystemMode : uint8_t { kStandard = 0, kCross = 1, kIntensity = 2, kSlm = 3, kSlmx = 4 };

constexpr uint8_t kLastStoreType = 47;
constexpr uint8_t kStandardSpectrumDataType = 15;
constexpr uint8_t kLastStandardDataType = 4;

const char* const kStoreTypeError = "P.storetype error, D block not decoded.";
const char* const kMismatchError = "P.block_mask/M.barwhat mismatch error, D block not decoded.";
const char* const kClassSetups = "This D block contains class setups data which is not decoded";
const char* const kSystemModeError = "M.systemmode error, D block not decoded.";
const char* const kStandardError = "Standard mode M.barwhat error, D block not decoded.";
const char* const kIntensityError = "Intensity mode M.barwhat error, D block not decoded.";
const char* const kCrossError = "Cross mode M.barwhat error, D block not decoded.";

D_Route Layout(D_Layout layout) { return {layout, nullptr}; }
D_Route Refusal(const char* text) { return {D_Layout::kStandardSpectrum, text}; }

// The cross-mode layout of each data type above the cross base, 0 to 37.
constexpr std::array<D_Layout, 38> crossLayouts = [] {
  using L = D_Layout;
  std::array<D_Layout, 38> table{};
  const auto set = [&table](L layout, std::initializer_list<int> types) {
    for (int type : types) table[static_cast<std::size_t>(type)] = layout;
  };
  set(L::kStandardSpectrum, {0, 34});
  set(L::kCrossTimeReal, {1, 2});
  set(L::kCrossTimeMagnitude, {3, 4});
  set(L::kCrossFrequencyRealImaginaryHalfScale, {5, 6});
  set(L::kCrossFrequencyMagnitudePhaseLevel, {7, 8, 36, 37});
  set(L::kCrossTimeRealImaginaryFraction, {9, 10});
  set(L::kCrossTimeMagnitudePhaseFine, {11, 12, 25, 26});
  set(L::kCrossFrequencyRealImaginaryScaled, {13, 14, 17, 18});
  set(L::kCrossFrequencyMagnitudePhaseFine, {15, 16, 19, 20, 21, 22});
  set(L::kCrossTimeRealImaginaryScaled, {23, 24});
  set(L::kCrossFrequencyMagnitudePower, {27, 28});
  set(L::kCrossTimeMagnitudeOffsetScaled, {29, 30, 31});
  set(L::kCrossTwoChannelMagnitudePhase, {32, 35});
  set(L::kCrossTimeByChannel, {33});
  return table;
}();

// The route that the store type alone decides, or nothing where the system
// mode and data type decide.
std::optional<D_Route> RouteByStoreType(uint8_t storetype) {
  switch (storetype) {
    case 6:
      return Layout(D_Layout::kRt60Tables);
    case 7:
      return Layout(D_Layout::kVsRpmTraces);
    case 8:
      return Layout(D_Layout::kLnTraceSummary);
    case 27:
      return Layout(D_Layout::kLnTable);
    case 47:
      return Layout(D_Layout::kMlsImpulse);
    case 22:
    case 23:
    case 34:
    case 35:
    case 38:
    case 39:
    case 40:
    case 41:  // by tach or by time
      return Refusal(kMismatchError);
    case 24:
    case 25:
    case 26:
    case 37:
    case 42:
    case 43:  // set-ups, units, macros
      return Refusal(kClassSetups);
    default:
      if (storetype == 0 || storetype > kLastStoreType) return Refusal(kStoreTypeError);
      return std::nullopt;
  }
}

D_Route RouteIntensity(uint8_t barwhat, uint8_t base) {
  // A data type below the base counts as too large.
  if (barwhat < base) return Refusal(kIntensityError);
  const unsigned type = barwhat - base;
  if (type <= 3) return Layout(D_Layout::kIntensitySpectrum);
  if (type == 4) return Layout(D_Layout::kIntensityPower);
  if (type <= 8) return Layout(D_Layout::kFieldIndicator);
  return Refusal(kIntensityError);
}

D_Route RouteCross(uint8_t barwhat, uint8_t base) {
  if (barwhat < base || barwhat - base >= static_cast<int>(crossLayouts.size())) return Refusal(kCrossError);
  return Layout(crossLayouts[static_cast<std::size_t>(barwhat - base)]);
}

}  // namespace

D_Route RouteDataBlock(const D_Selectors& s) {
  if (const auto byStoreType = RouteByStoreType(s.storetype)) return *byStoreType;
  switch (s.systemmode) {
    case kStandard:
    case kSlm:
    case kSlmx:
      if (s.barwhat <= kLastStandardDataType || s.barwhat == kStandardSpectrumDataType) {
        return Layout(D_Layout::kStandardSpectrum);
      }
      return Refusal(kStandardError);
    case kIntensity:
      return RouteIntensity(s.barwhat, s.intensityBase);
    case kCross:
      return RouteCross(s.barwhat, s.crossBase);
    default:
      return Refusal(kSystemModeError);
  }
}
