// One line of a spectral data layout, formatted with std::to_chars
// (locale-independent) straight into the output's pending text, so that the
// long tables cost no allocation and no copy per row.
#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>

#include "TextSink.h"

class D_LayoutContext;

class LayoutLine {
 public:
  explicit LayoutLine(const D_LayoutContext& data);
  ~LayoutLine() { out_->EndPiece(); }
  LayoutLine(const LayoutLine&) = delete;
  LayoutLine& operator=(const LayoutLine&) = delete;

  LayoutLine& Text(std::string_view text) {
    out_->Put(text);
    return *this;
  }
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
  // Closes the line with "\r\n"; the output takes whole chunks of lines.
  void End() {
    Text("\r\n");
    out_->EndPiece();
  }

 private:
  LayoutLine& Floating(double value, int precision, int width, std::chars_format format);
  // Right-aligns the `length` characters just formatted at `start` in
  // `width` and claims them.
  void Pad(char* start, std::size_t length, int width, char fill);

  // Longest number text: a double in fixed notation with six decimals.
  static constexpr std::size_t kLongestNumber = 330;

  std::optional<TextSink> discard_;  // takes the text when the layout has no output
  TextSink* out_;
};
