#include "LayoutLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "blocks/D_LayoutContext.h"

namespace {

// What printf writes for values that have no digits.
std::string_view NonFiniteText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  return value < 0 ? "-inf" : "inf";
}

}  // namespace

LayoutLine::LayoutLine(const D_LayoutContext& data) : out_(data.Output()) {
  if (out_ == nullptr) out_ = &discard_.emplace(static_cast<std::FILE*>(nullptr));
}

void LayoutLine::Pad(char* start, std::size_t length, int width, char fill) {
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (length < wanted) {
    const std::size_t padding = wanted - length;
    // A zero fill goes after the sign, as printf puts it.
    const std::size_t keep = (fill == '0' && length > 0 && start[0] == '-') ? 1 : 0;
    std::memmove(start + keep + padding, start + keep, length - keep);
    std::memset(start + keep, fill, padding);
    length = wanted;
  }
  out_->Claim(start + length);
}

LayoutLine& LayoutLine::Floating(double value, int precision, int width, std::chars_format format) {
  if (!std::isfinite(value)) return Text(NonFiniteText(value));
  const std::size_t room = kLongestNumber + static_cast<std::size_t>(std::max(width, 0));
  char* start = out_->Reserve(room);
  const auto result = std::to_chars(start, start + kLongestNumber, value, format, precision);
  const std::size_t length = result.ec == std::errc{} ? static_cast<std::size_t>(result.ptr - start) : 0;
  Pad(start, length, width, ' ');
  return *this;
}

LayoutLine& LayoutLine::Integer(long long value, int width, bool zeroPadded) {
  const std::size_t room = 24 + static_cast<std::size_t>(std::max(width, 0));
  char* start = out_->Reserve(room);
  const auto result = std::to_chars(start, start + 24, value);
  Pad(start, static_cast<std::size_t>(result.ptr - start), width, zeroPadded ? '0' : ' ');
  return *this;
}
