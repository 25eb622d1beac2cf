#include "SpectrumValues.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "PythonErrors.h"

namespace py = pybind11;

namespace morvane_python {

double LabelFrequency(std::string_view label) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  double scale = 1000;
  std::size_t unit = label.find("kHz");
  if (unit == std::string_view::npos) {
    scale = 1;
    unit = label.find("Hz");
  }
  if (unit == std::string_view::npos) return kNone;
  std::string_view number = label.substr(0, unit);
  while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  number.remove_prefix(number.find_last_of(" ,") + 1);  // npos + 1 keeps it whole
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || end != number.data() + number.size() || number.empty()) return kNone;
  return value * scale;
}

SpectrumValues SpectrumValuesOf(const StandardSpectrum& spectrum) {
  const auto bands = static_cast<py::ssize_t>(spectrum.bandLabels.size());
  const auto channels = static_cast<py::ssize_t>(spectrum.levels.size());
  SpectrumValues values{py::list(), py::array_t<double>(bands), py::array_t<float>({channels, bands})};
  auto frequencies = values.frequencies.mutable_unchecked<1>();
  for (py::ssize_t band = 0; band < bands; ++band) {
    const std::string& label = spectrum.bandLabels[static_cast<std::size_t>(band)];
    values.labels.append(Latin1(label));
    frequencies(band) = LabelFrequency(label);
  }
  auto levels = values.levels.mutable_unchecked<2>();
  for (py::ssize_t channel = 0; channel < channels; ++channel) {
    const std::vector<float>& row = spectrum.levels[static_cast<std::size_t>(channel)];
    for (py::ssize_t band = 0; band < bands; ++band) levels(channel, band) = row[static_cast<std::size_t>(band)];
  }
  return values;
}

}  // namespace morvane_python
