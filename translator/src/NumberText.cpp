#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

char* PutText(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace

char* PutFixedText(char* out, double value, int precision, int width) {
  char* end = nullptr;
  if (std::isnan(value)) {
    end = PutText(out, std::signbit(value) ? "-nan" : "nan");
  } else if (std::isinf(value)) {
    end = PutText(out, value < 0 ? "-inf" : "inf");
  } else {
    end = std::to_chars(out, out + FixedTextRoom(0), value, std::chars_format::fixed, precision).ptr;
  }
  // Right-aligned in `width`: the text moves up past its padding.
  const auto length = static_cast<int>(end - out);
  if (length >= width) return end;
  const auto padding = static_cast<std::size_t>(width - length);
  std::memmove(out + padding, out, static_cast<std::size_t>(length));
  std::memset(out, ' ', padding);
  return out + width;
}

std::string FixedText(double value, int precision, int width) {
  char buffer[FixedTextRoom(0)];
  std::string text(buffer, PutFixedText(buffer, value, precision));
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

char* PutBitText(char* out, uint32_t value, int count) {
  for (int bit = count - 1; bit >= 0; --bit) *out++ = ((value >> bit) & 1u) ? '1' : '0';
  return out;
}

std::string BitText(uint32_t value, int count) {
  std::string text(static_cast<std::size_t>(std::max(count, 0)), '0');
  PutBitText(text.data(), value, count);
  return text;
}
