// Builds long table rows in a fixed buffer and hands them to the output in
// whole chunks, so that writing a row allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class TextSink;

class RowBuffer {
 public:
  explicit RowBuffer(TextSink* output) : output_(output) {}
  RowBuffer(const RowBuffer&) = delete;
  RowBuffer& operator=(const RowBuffer&) = delete;
  ~RowBuffer() { Flush(); }

  void Append(std::string_view text);
  // As printf("%*.*f", width, precision, value).
  void AppendFixed(double value, int precision, int width = 0);
  // As printf("%*lld", width, value).
  void AppendInteger(long long value, int width = 0);
  // The `count` bits of `value` from bit count-1 down to bit 0 as '0' and '1'.
  void AppendBits(uint32_t value, int count);
  // Hands what was built so far to the output.
  void Flush();

 private:
  static constexpr std::size_t kCapacity = 8192;

  char* Reserve(std::size_t count);

  TextSink* output_;
  char text_[kCapacity];
  std::size_t used_ = 0;
};
