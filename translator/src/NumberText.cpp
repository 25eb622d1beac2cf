#include "NumberText.h"

#include <charconv>
#include <cmath>

std::string FixedText(double value, int precision, int width) {
  std::string text;
  if (std::isnan(value)) {
    text = std::signbit(value) ? "-nan" : "nan";
  } else if (std::isinf(value)) {
    text = value < 0 ? "-inf" : "inf";
  } else {
    char buffer[400];  // enough for any double in fixed notation
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    text.assign(buffer, result.ptr);
  }
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string BitText(uint32_t value, int count) {
  std::string text;
  for (int bit = count - 1; bit >= 0; --bit) text += ((value >> bit) & 1u) ? '1' : '0';
  return text;
}
