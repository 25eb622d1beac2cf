#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

std::string FixedText(double value, int precision, int width) {
  char buffer[512];  // enough for any double in fixed notation at the precisions and widths in use
  return {buffer, FixedChars(buffer, buffer + sizeof buffer, value, precision, width)};
}

char* FixedChars(char* first, char* last, double value, int precision, int width) {
  char digits[400];  // enough for any double in fixed notation
  std::string_view text;
  if (std::isnan(value)) {
    text = std::signbit(value) ? "-nan" : "nan";
  } else if (std::isinf(value)) {
    text = value < 0 ? "-inf" : "inf";
  } else {
    const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    if (result.ec != std::errc()) return first;
    text = {digits, static_cast<std::size_t>(result.ptr - digits)};
  }
  const std::size_t padding =
      width > 0 && static_cast<std::size_t>(width) > text.size() ? static_cast<std::size_t>(width) - text.size() : 0;
  if (padding + text.size() > static_cast<std::size_t>(last - first)) return first;
  std::memset(first, ' ', padding);
  std::memcpy(first + padding, text.data(), text.size());
  return first + padding + text.size();
}

std::string BitText(uint32_t value, int count) {
  std::string text;
  for (int bit = count - 1; bit >= 0; --bit) text += ((value >> bit) & 1u) ? '1' : '0';
  return text;
}
