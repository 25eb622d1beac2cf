#include "FrequencyLabels.h"

#include <cmath>
#include <optional>
#include <variant>

#include "LabelTables.h"
#include "NumberText.h"
#include "blocks/M_Block.h"
#include "blocks/P_Block.h"

namespace labels {
namespace {

constexpr int kFirstFftFilter = 4;
constexpr int kLastFftFilter = 7;
constexpr long long kSlmRows = 12;
constexpr double kTachRate = 64000;

struct OrderTracked {};
// A sample rate in hertz, order-tracked data, or nothing where the rate
// index lies beyond its table.
using RateChoice = std::variant<std::monostate, OrderTracked, double>;

RateChoice Choose(std::optional<double> rate) {
  if (rate) return *rate;
  return std::monostate{};
}

RateChoice ChooseRate(const BandSettings& s, SampleRateTable tableB) {
  const int lowPass = s.fft_low_pass;
  if (s.Flag(35, 0x20)) {
    if (lowPass == 0) return OrderTracked{};
    return Choose(SampleRate(SampleRateTable::kC, lowPass - 1));
  }
  if (!s.Flag(34, 0x20)) {
    if (lowPass == 0) return OrderTracked{};
    return Choose(SampleRate(tableB, lowPass - 1));
  }
  if (s.Flag(34, 0x08)) return kTachRate;
  if (s.Flag(35, 0x03)) return Choose(SampleRate(SampleRateTable::kD, lowPass));
  return Choose(SampleRate(SampleRateTable::kA, lowPass));
}

const char* OctaveBandLabel(int filter, long long index) {
  switch (filter) {
    case 0:
      return OctaveLabel(index);
    case 1:
      return ThirdOctaveLabel(index);
    case 2:
      return TwelfthOctaveLabel(index);
    case 3:
      return TwentyFourthOctaveLabel(index);
    default:
      return "";
  }
}

std::string FftBinLabel(const BandSettings& s, long long bin) {
  const RateChoice rate = ChooseRate(s, SampleRateTable::kB);
  if (std::holds_alternative<OrderTracked>(rate)) {
    const double order = (s.base_frequency * std::pow(2.0, 7 - s.filter) + static_cast<double>(bin)) *
                         std::pow(2.0, 6 - s.zoom - s.max_rpm - s.filter);
    return FixedText(order, 4, 11);
  }
  if (!std::holds_alternative<double>(rate)) return {};
  // The 12 sound-level-meter rows do not count towards the frequency step.
  long long lines = s.bins;
  if (s.bins % 100 > 1) lines -= kSlmRows;
  // With fewer than two lines there is no step between them.
  if (lines < 2) return {};
  const double r = std::get<double>(rate);
  const double frequency =
      s.base_frequency * r / 2048 + static_cast<double>(bin) * r / ((lines - 1) * 2.56 * std::pow(2.0, s.zoom));
  return FixedText(frequency, 4, 11);
}

}  // namespace

BandSettings BandSettings::Of(const P_Block& prefix, const M_Block& main) {
  BandSettings s;
  const uint32_t flags = prefix.HardwareFlags();
  s.flags[0] = static_cast<uint8_t>(flags >> 16);
  s.flags[1] = static_cast<uint8_t>(flags >> 8);
  s.flags[2] = static_cast<uint8_t>(flags);
  s.systemmode = main.Systemmode();
  s.filter = main.Filter();
  s.bins = main.Bins();
  s.start_bin = main.StartBin();
  s.base_frequency = main.BaseFrequency();
  s.zoom = main.Zoom();
  s.fft_low_pass = main.FftLowPass();
  s.max_rpm = main.MaxRpm();
  return s;
}

bool BandSettings::Flag(int recordOffset, uint8_t bits) const {
  const int index = recordOffset - P_Block::kFirstFlagOffset;
  if (index < 0 || index >= static_cast<int>(sizeof flags)) return false;
  return (flags[index] & bits) != 0;
}

std::string_view BinLabelText(const BandSettings& s, long long bin, bool keepUnits, std::string& scratch) {
  std::string_view label;
  const long long firstSlmRow = static_cast<long long>(s.bins) - kSlmRows;
  if (s.Flag(35, 0x03) && (s.systemmode == 3 || s.systemmode == 4) && bin >= firstSlmRow) {
    label = SlmLabel(s.Flag(36, 0x01), bin - firstSlmRow);
  } else if (s.filter < kFirstFftFilter) {
    label = OctaveBandLabel(s.filter, s.start_bin + bin);
  } else if (s.filter <= kLastFftFilter) {
    // Frequencies and order numbers are bare numbers: no unit to strip.
    scratch = FftBinLabel(s, bin);
    return scratch;
  }
  return keepUnits ? label : WithoutUnits(label);
}

std::string BinLabel(const BandSettings& s, long long bin, bool keepUnits) {
  std::string scratch;
  return std::string(BinLabelText(s, bin, keepUnits, scratch));
}

std::string SampleTime(const BandSettings& s, long long sample) {
  if (s.filter < kFirstFftFilter) return "invalid";
  if (s.filter > kLastFftFilter) return {};
  const RateChoice rate = ChooseRate(s, SampleRateTable::kSampleTimeB);
  if (std::holds_alternative<OrderTracked>(rate)) return "Order";
  if (!std::holds_alternative<double>(rate)) return {};
  return FixedText(static_cast<double>(sample) / (std::get<double>(rate) / std::pow(2.0, s.zoom)), 7, 14);
}

std::string_view WithoutUnits(std::string_view label) {
  if (const auto kilohertz = label.find("kHz"); kilohertz != std::string_view::npos) label = label.substr(0, kilohertz);
  if (const auto hertz = label.find("Hz"); hertz != std::string_view::npos) label = label.substr(0, hertz);
  return label;
}

void StripUnits(std::string& label) { label.resize(WithoutUnits(label).size()); }

}  // namespace labels
