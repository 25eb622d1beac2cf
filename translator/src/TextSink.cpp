#include "TextSink.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "NumberText.h"

namespace {

// A chunk and room for the line that fills it.
constexpr std::size_t kFilePendingBytes = 64 * 1024 + 4096;
constexpr std::size_t kStringPendingBytes = 1024;
constexpr std::size_t kIntegerRoom = std::numeric_limits<long long>::digits10 + 2;
constexpr std::size_t kFixedRoom = 400;  // any double in fixed notation at the precisions in use

}  // namespace

TextSink::TextSink(std::FILE* file)
    : file_(file), pending_(kFilePendingBytes), flushAt_(kFileChunkBytes), accepting_(file != nullptr) {}

TextSink::TextSink(std::string* text) : text_(text), pending_(kStringPendingBytes), accepting_(true) {}

void TextSink::Grow(std::size_t count) { pending_.resize(std::max(used_ + count, 2 * pending_.size())); }

void TextSink::PutInteger(long long value) {
  char* first = Reserve(kIntegerRoom);
  Claim(std::to_chars(first, first + kIntegerRoom, value).ptr);
}

void TextSink::PutFixed(double value, int precision, int width) {
  const std::size_t room = kFixedRoom + static_cast<std::size_t>(std::max(width, 0));
  char* first = Reserve(room);
  Claim(FixedChars(first, first + room, value, precision, width));
}

void TextSink::PutBits(uint32_t value, int count) {
  if (count <= 0 || count > 32) return;
  char* end = Reserve(static_cast<std::size_t>(count));
  for (int bit = count - 1; bit >= 0; --bit) *end++ = ((value >> bit) & 1u) != 0 ? '1' : '0';
  Claim(end);
}

bool TextSink::Flush() {
  const std::size_t count = used_;
  used_ = 0;
  if (text_ != nullptr) {
    text_->append(pending_.data(), count);
    return true;
  }
  if (file_ == nullptr || failed_) return false;
  if (count != 0 && std::fwrite(pending_.data(), 1, count, file_) != count) failed_ = true;
  accepting_ = !failed_;
  return accepting_;
}
