#include "TextSink.h"

#include <charconv>
#include <limits>

#include "NumberText.h"

namespace {

// A file receives the text in chunks of this size; a string after every piece.
constexpr std::size_t kFileChunkBytes = 64 * 1024;
constexpr std::size_t kFilePendingBytes = kFileChunkBytes + 4096;
constexpr std::size_t kStringPendingBytes = 1024;
constexpr std::size_t kIntegerRoom = std::numeric_limits<long long>::digits10 + 2;

}  // namespace

TextSink::TextSink(std::FILE* file) : file_(file), pending_(kFilePendingBytes) {}

TextSink::TextSink(std::string* text) : text_(text), pending_(kStringPendingBytes) {}

void TextSink::Grow(std::size_t count) { pending_.resize(std::max(used_ + count, 2 * pending_.size())); }

void TextSink::PutInteger(long long value) {
  char* start = Room(kIntegerRoom);
  used_ += static_cast<std::size_t>(std::to_chars(start, start + kIntegerRoom, value).ptr - start);
}

void TextSink::PutFixed(double value, int precision, int width) {
  char* start = Room(FixedTextRoom(width));
  used_ += static_cast<std::size_t>(PutFixedText(start, value, precision, width) - start);
}

void TextSink::PutBits(uint32_t value, int count) {
  if (count <= 0) return;
  char* start = Room(static_cast<std::size_t>(count));
  used_ += static_cast<std::size_t>(PutBitText(start, value, count) - start);
}

bool TextSink::EndPiece() {
  if (text_ == nullptr && used_ < kFileChunkBytes) return file_ != nullptr && !failed_;
  return Flush();
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
  return !failed_;
}
