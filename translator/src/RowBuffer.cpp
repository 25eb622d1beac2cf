#include "RowBuffer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "NumberText.h"
#include "TextSink.h"

char* RowBuffer::Reserve(std::size_t count) {
  if (kCapacity - used_ < count) Flush();
  return text_ + used_;
}

void RowBuffer::Append(std::string_view text) {
  if (text.size() > kCapacity) {
    Flush();
    if (output_ != nullptr) output_->Write(text);
    return;
  }
  std::memcpy(Reserve(text.size()), text.data(), text.size());
  used_ += text.size();
}

void RowBuffer::AppendFixed(double value, int precision, int width) {
  char* end = FixedChars(text_ + used_, text_ + kCapacity, value, precision, width);
  if (end == text_ + used_) {
    Flush();
    end = FixedChars(text_, text_ + kCapacity, value, precision, width);
  }
  used_ = static_cast<std::size_t>(end - text_);
}

void RowBuffer::AppendInteger(long long value, int width) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  const auto length = static_cast<std::size_t>(result.ptr - digits);
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  const std::size_t padding = std::min(wanted > length ? wanted - length : 0, kCapacity - sizeof digits);
  char* first = Reserve(padding + length);
  std::memset(first, ' ', padding);
  std::memcpy(first + padding, digits, length);
  used_ += padding + length;
}

void RowBuffer::AppendBits(uint32_t value, int count) {
  if (count <= 0 || count > 32) return;
  char* first = Reserve(static_cast<std::size_t>(count));
  for (int bit = count - 1; bit >= 0; --bit) *first++ = ((value >> bit) & 1u) != 0 ? '1' : '0';
  used_ += static_cast<std::size_t>(count);
}

void RowBuffer::Flush() {
  if (used_ != 0 && output_ != nullptr) output_->Write({text_, used_});
  used_ = 0;
}
