#include "LabelTables.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "NumberText.h"

namespace labels {
namespace {

constexpr std::array<const char*, kOctaveBands> octaveLabels = {
    "0,   1.00 Hz", "3,   2.00 Hz", "6,   4.00 Hz", "9,   8.00 Hz", "12,  16.0 Hz", "15,  31.5 Hz",
    "18,  63.0 Hz", "21,  125 Hz",  "24,  250 Hz",  "27,  500 Hz",  "30,  1.00kHz", "33,  2.00kHz",
    "36,  4.00kHz", "39,  8.00kHz", "42,  16.0kHz", "45,  31.5kHz", "48,  63.0kHz",
};

constexpr std::array<const char*, kThirdOctaveBands> thirdOctaveLabels = {
    "-1,   .80 Hz", "0,   1.00 Hz", "1,   1.25 Hz", "2,   1.60 Hz", "3,   2.00 Hz", "4,   2.50 Hz", "5,   3.15 Hz",
    "6,   4.00 Hz", "7,   5.00 Hz", "8,   6.30 Hz", "9,   8.00 Hz", "10,  10.0 Hz", "11,  12.5 Hz", "12,  16.0 Hz",
    "13,  20.0 Hz", "14,  25.0 Hz", "15,  31.5 Hz", "16,  40.0 Hz", "17,  50.0 Hz", "18,  63.0 Hz", "19,  80.0 Hz",
    "20,   100 Hz", "21,   125 Hz", "22,   160 Hz", "23,   200 Hz", "24,   250 Hz", "25,   315 Hz", "26,   400 Hz",
    "27,   500 Hz", "28,   630 Hz", "29,   800 Hz", "30,  1.00kHz", "31,  1.25kHz", "32,  1.60kHz", "33,  2.00kHz",
    "34,  2.50kHz", "35,  3.15kHz", "36,  4.00kHz", "37,  5.00kHz", "38,  6.30kHz", "39,  8.00kHz", "40,  10.0kHz",
    "41,  12.5kHz", "42,  16.0kHz", "43,  20.0kHz", "44,  25.0kHz", "45,  31.5kHz", "46,  40.0kHz", "47,  50.0kHz",
    "48,  63.0kHz", "49,  80.0kHz",
};

constexpr std::array<const char*, 8> filterNames = {
    "1/1 Octave",   "1/3 Octave",   "1/12 Octave",  "1/24 Octave",
    "100 line FFT", "200 line FFT", "400 line FFT", "800 line FFT",
};

constexpr std::array<const char*, 6> systemModeNames = {"Standard", "Cross", "Intensity", "SLM", "SLMX", "MLSI"};

constexpr std::array<const char*, kSlmValues> slmList1 = {
    "Slow", "  Min", "  Max", "Fast", "  Min", "  Max", "Impulse", "  Min", "  Max", "LEQ", "  SEL", "  Peak",
};
constexpr std::array<const char*, kSlmValues> slmList2 = {
    "Slow", "  Min", "  Max", "Fast", "  Min", "  Max", "Impulse", "LEQ", "  SEL", "  Peak", "  Tmax3", "  Tmax5",
};

constexpr std::array<double, 8> rateTableA = {256000, 51200, 25600, 12800, 5120, 2560, 1280, 512};
constexpr std::array<double, 7> rateTableB = {51200, 25600, 12800, 6400, 3200, 1600, 640};
constexpr std::array<double, 9> rateTableC = {51200, 25600, 12800, 5120, 2560, 1280, 512, 256, 128};
constexpr std::array<double, 4> rateTableD = {51200, 25600, 12800, 6400};
constexpr std::array<double, 7> rateTableSampleTimeB = {51200, 25600, 9600, 6400, 3200, 1600, 640};

template <std::size_t Size>
const char* Entry(const std::array<const char*, Size>& table, long long index) {
  if (index < 0 || index >= static_cast<long long>(Size)) return "";
  return table[static_cast<std::size_t>(index)];
}

template <class Table>
std::optional<double> Rate(const Table& table, long long index) {
  if (index < 0 || index >= static_cast<long long>(table.size())) return std::nullopt;
  return table[static_cast<std::size_t>(index)];
}

std::vector<std::string> WithoutFirstComma(const char* const* texts, std::size_t count) {
  std::vector<std::string> result;
  for (std::size_t i = 0; i < count; ++i) {
    std::string text = texts[i];
    if (const auto comma = text.find(','); comma != std::string::npos) text.erase(comma, 1);
    result.push_back(std::move(text));
  }
  return result;
}

// A frequency in a four-character field with three significant digits:
// ".711", "1.01", "10.1", " 102".
std::string ThreeDigits(double value) {
  if (value < 1) return FixedText(value, 3).substr(1);
  if (value < 10) return FixedText(value, 2);
  if (value < 100) return FixedText(value, 1);
  return FixedText(value, 0, 4);
}

// Entry i is sub-band i mod `subBands` of band -1 + i div `subBands`, with
// its centre frequency 1000 * 2^((n - 30)/3 + (2k + 1 - subBands)/(6 * subBands)).
std::vector<std::string> FractionalOctaveLabels(int subBands, int count) {
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) {
    const int band = -1 + i / subBands;
    const int subBand = i % subBands;
    const double exponent = (band - 30) / 3.0 + (2.0 * subBand + 1 - subBands) / (6.0 * subBands);
    double frequency = 1000 * std::pow(2.0, exponent);
    const bool kilohertz = frequency >= 1000;
    if (kilohertz) frequency /= 1000;
    std::string bandText = std::to_string(band);
    if (bandText.size() < 2) bandText.insert(0, 1, ' ');
    result.push_back(bandText + static_cast<char>('a' + subBand) + " " + ThreeDigits(frequency) +
                     (kilohertz ? "kHz" : " Hz"));
  }
  return result;
}

const char* Entry(const std::vector<std::string>& table, long long index) {
  if (index < 0 || index >= static_cast<long long>(table.size())) return "";
  return table[static_cast<std::size_t>(index)].c_str();
}

// Band 14, sub-band d of the 1/24 table is printed as the analyzer shows it,
// not as the rule gives it (24.4).
constexpr int kTwentyFourthOctaveException = 123;
const char* const kTwentyFourthOctaveExceptionText = "14d 24.2 Hz";

}  // namespace

const char* OctaveLabel(long long index) { return Entry(octaveLabels, index); }

const char* OctaveLabelNoComma(long long index) {
  static const std::vector<std::string> table = WithoutFirstComma(octaveLabels.data(), octaveLabels.size());
  return Entry(table, index);
}

const char* ThirdOctaveLabel(long long index) { return Entry(thirdOctaveLabels, index); }

const char* ThirdOctaveLabelNoComma(long long index) {
  static const std::vector<std::string> table = WithoutFirstComma(thirdOctaveLabels.data(), thirdOctaveLabels.size());
  return Entry(table, index);
}

const char* TwelfthOctaveLabel(long long index) {
  static const std::vector<std::string> table = FractionalOctaveLabels(4, kTwelfthOctaveBands);
  return Entry(table, index);
}

const char* TwentyFourthOctaveLabel(long long index) {
  static const std::vector<std::string> table = [] {
    std::vector<std::string> built = FractionalOctaveLabels(8, kTwentyFourthOctaveBands);
    built[kTwentyFourthOctaveException] = kTwentyFourthOctaveExceptionText;
    return built;
  }();
  return Entry(table, index);
}

const char* FilterName(long long filter) { return Entry(filterNames, filter); }

const char* SystemModeName(long long mode) { return Entry(systemModeNames, mode); }

const char* SlmLabel(bool secondList, long long position) { return Entry(secondList ? slmList2 : slmList1, position); }

std::optional<double> SampleRate(SampleRateTable table, long long index) {
  switch (table) {
    case SampleRateTable::kA:
      return Rate(rateTableA, index);
    case SampleRateTable::kB:
      return Rate(rateTableB, index);
    case SampleRateTable::kC:
      return Rate(rateTableC, index);
    case SampleRateTable::kD:
      return Rate(rateTableD, index);
    case SampleRateTable::kSampleTimeB:
      return Rate(rateTableSampleTimeB, index);
  }
  return std::nullopt;
}

}  // namespace labels
