// The constant label and name tables of spectral rows: octave bands, filter
// and system mode names, sound-level-meter values and FFT sample rates.
// Every lookup is bounded: an index beyond its table gives an empty text or
// no rate.
#pragma once

#include <optional>

namespace labels {

constexpr int kOctaveBands = 17;
constexpr int kThirdOctaveBands = 51;
constexpr int kTwelfthOctaveBands = 180;
constexpr int kTwentyFourthOctaveBands = 360;
constexpr int kSlmValues = 12;

// "0,   1.00 Hz" ... "48,  63.0kHz".
const char* OctaveLabel(long long index);
// The same texts without their comma, for column headings.
const char* OctaveLabelNoComma(long long index);
// "-1,   .80 Hz" ... "49,  80.0kHz".
const char* ThirdOctaveLabel(long long index);
const char* ThirdOctaveLabelNoComma(long long index);
// "-1a .711 Hz" ... "43d 22.0kHz".
const char* TwelfthOctaveLabel(long long index);
// "-1a .701 Hz" ... "43h 22.3kHz".
const char* TwentyFourthOctaveLabel(long long index);

// Name of the M block's filter code, "1/1 Octave" ... "800 line FFT".
const char* FilterName(long long filter);
// Name of a system mode, "Standard" ... "MLSI".
const char* SystemModeName(long long mode);
// Sound-level-meter value `position` of list 1, or of list 2 (with Tmax3 and Tmax5).
const char* SlmLabel(bool secondList, long long position);

// FFT sample rates in hertz. The sample-time routine's table B has 9.6 kHz
// at its third entry where the bin labels have 12.8 kHz.
enum class SampleRateTable { kA, kB, kC, kD, kSampleTimeB };
std::optional<double> SampleRate(SampleRateTable table, long long index);

}  // namespace labels
