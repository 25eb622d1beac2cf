#include "Conversions.h"

#include <cmath>

namespace {
constexpr double kLevelStep = 0.02351796841124854;
constexpr double kFineLevelStep = 0.005879492102812134;
constexpr double kFullScale = 32767.0;
constexpr double kHalfScale = 16383.5;
}  // namespace

double LevelDb(int32_t raw) { return raw * kLevelStep; }

double FineLevelDb(int16_t raw) { return raw * kFineLevelStep; }

double Fraction(int16_t raw) { return raw / kFullScale; }

double HalfScaleFraction(int16_t raw) { return raw / kHalfScale; }

double Hundredths(int16_t raw) { return raw / 100.0; }

double ScaledValue(int16_t raw, int16_t exponent) { return (raw / kFullScale) * std::pow(2.0, exponent / 256.0); }

double OffsetScaledValue(int16_t raw, int16_t exponent, int kind) {
  const int base = kind == 1 ? 1792 : kind == 2 ? 1536 : 2048;
  return (raw / kFullScale) * std::pow(2.0, (base + exponent) / 256.0);
}

double LevelStepsDb(long long steps) { return static_cast<double>(steps) * kLevelStep; }
