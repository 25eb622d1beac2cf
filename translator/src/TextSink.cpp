#include "TextSink.h"

bool TextSink::Write(std::string_view bytes) {
  if (text_ != nullptr) {
    text_->append(bytes);
    return true;
  }
  if (file_ == nullptr) return false;
  if (bytes.empty()) return true;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  if (!written) failed_ = true;
  return written;
}
