// A Standard-mode spectrum as Python values: its band labels, the frequency
// each label gives, and the levels as a NumPy array of (channels, bands).
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string_view>

#include "morvane/Morvane.h"

namespace morvane_python {

struct SpectrumValues {
  pybind11::list labels;                 // str, as the translation writes them
  pybind11::array_t<double> frequencies;  // Hz; NaN where a label has no "Hz" or "kHz"
  pybind11::array_t<float> levels;        // dB
};

SpectrumValues SpectrumValuesOf(const StandardSpectrum& spectrum);

// The number before a label's "kHz" (times 1000) or "Hz": 20 for "13,  20.0 Hz",
// 24.2 for "14d 24.2 Hz"; NaN for a label without either unit.
double LabelFrequency(std::string_view label);

}  // namespace morvane_python
