// Numeric conversions that several block kinds share.
#pragma once

#include <cstdint>

// Decibels from an 8.8 fixed-point base-2 logarithm: 20*log10(2)/256 per step.
double LevelDb(int32_t raw);
// Decibels at a quarter of that step: 20*log10(2)/1024.
double FineLevelDb(int16_t raw);
// raw / 32767.
double Fraction(int16_t raw);
// raw / 16383.5.
double HalfScaleFraction(int16_t raw);
// raw / 100.
double Hundredths(int16_t raw);
// (raw / 32767) * 2^(exponent / 256).
double ScaledValue(int16_t raw, int16_t exponent);
// (raw / 32767) * 2^((base + exponent) / 256), base 1792 for kind 1, 1536 for kind 2, else 2048.
double OffsetScaledValue(int16_t raw, int16_t exponent, int kind);
// Decibels of a level held as a count of 20*log10(2)/256 steps that may lie
// outside 16 bits, as sums and differences of levels do.
double LevelStepsDb(long long steps);
