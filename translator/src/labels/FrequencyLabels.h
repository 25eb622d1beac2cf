// Row labels of spectral data: the band, bin, order or sound-level-meter
// value of a row, and the time of a sample of an FFT time record. Pure
// functions of the record's prefix and main system variables blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class P_Block;
class M_Block;

namespace labels {

// What the labels depend on, taken from the prefix and main system variables blocks.
struct BandSettings {
  uint8_t flags[3] = {};  // prefix bytes 34, 35 and 36
  uint8_t systemmode = 0;
  uint8_t filter = 0;
  uint16_t bins = 0;
  uint16_t start_bin = 0;
  uint16_t base_frequency = 0;
  uint8_t zoom = 0;
  uint8_t fft_low_pass = 0;
  uint8_t max_rpm = 0;

  static BandSettings Of(const P_Block& prefix, const M_Block& main);
  bool Flag(int recordOffset, uint8_t bits) const;
};

// The label of row `bin`; without `keepUnits` the text ends where its
// "kHz" or "Hz" began. Labels beyond their table are empty.
std::string BinLabel(const BandSettings& settings, long long bin, bool keepUnits);
// The same text without a copy: it lies in a label table or, for a number,
// in `scratch`, and stays valid while `scratch` is not changed.
std::string_view BinLabelText(const BandSettings& settings, long long bin, bool keepUnits, std::string& scratch);

// The time of sample `sample` in seconds, "Order" for order-tracked data,
// "invalid" for octave filters, or empty where no rate is known.
std::string SampleTime(const BandSettings& settings, long long sample);

// Cuts `label` at its first "kHz", then at its first "Hz".
void StripUnits(std::string& label);
std::string_view WithoutUnits(std::string_view label);

}  // namespace labels
