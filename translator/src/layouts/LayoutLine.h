// One line of a spectral data layout, formatted in a fixed buffer with
// std::to_chars (locale-independent) and handed to the output in whole
// chunks, so that the long tables cost no allocation per row.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

class D_LayoutContext;

class LayoutLine {
 public:
  explicit LayoutLine(const D_LayoutContext& data) : data_(data) {}
  ~LayoutLine() { Flush(); }
  LayoutLine(const LayoutLine&) = delete;
  LayoutLine& operator=(const LayoutLine&) = delete;

  LayoutLine& Text(std::string_view text);
  // As printf("%*.*f", width, precision, value).
  LayoutLine& Fixed(double value, int precision, int width = 0) {
    return Floating(value, precision, width, std::chars_format::fixed);
  }
  // As printf("%*.*e", width, precision, value).
  LayoutLine& Scientific(double value, int precision, int width) {
    return Floating(value, precision, width, std::chars_format::scientific);
  }
  // As printf("%*lld", width, value), or "%0*lld" with `zeroPadded`.
  LayoutLine& Integer(long long value, int width = 0, bool zeroPadded = false);
  // Closes the line with "\r\n".
  void End() { Text("\r\n"); }
  // Hands what is buffered to the output.
  void Flush();

 private:
  LayoutLine& Floating(double value, int precision, int width, std::chars_format format);
  // Room for `count` more characters, flushing first when needed.
  char* Reserve(std::size_t count);
  // Right-aligns the `length` characters just formatted at `start` in `width`.
  void Pad(char* start, std::size_t length, int width, char fill);

  // Longest number text: a double in fixed notation with six decimals.
  static constexpr std::size_t kLongestNumber = 330;

  const D_LayoutContext& data_;
  std::array<char, 32768> buffer_;  // only the first used_ characters are meaningful
  std::size_t used_ = 0;
};
