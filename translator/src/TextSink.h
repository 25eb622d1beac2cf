// Destination of translated text: an open file or a string. A failed write is
// remembered, so that a translation that lost text is never reported as done.
//
// Text is built in place: a writer puts the pieces of a line (labels, numbers,
// separators) straight into the sink's pending text and ends the piece; the
// sink hands a file whole chunks of many lines. No piece is formatted into a
// string of its own on the way, and nothing is allocated per line once the
// pending text has grown to its working size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

class TextSink {
 public:
  explicit TextSink(std::FILE* file);
  explicit TextSink(std::string* text);
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  // Appends `bytes` as one piece. False when the sink takes no text or a
  // write to its file has failed.
  bool Write(std::string_view bytes) {
    Put(bytes);
    return EndPiece();
  }

  // Pieces built in place: each Put appends to the pending text.
  void Put(std::string_view bytes) {
    if (bytes.empty()) return;
    std::memcpy(Reserve(bytes.size()), bytes.data(), bytes.size());
    used_ += bytes.size();
  }
  void Put(char c) { *Reserve(1) = c, ++used_; }
  void PutInteger(long long value);
  // As FixedText and BitText.
  void PutFixed(double value, int precision, int width = 0);
  void PutBits(uint32_t value, int count);

  // The fastest way in: room for `count` bytes after the pending text, which
  // the writer fills from the front and then claims up to the end of what it
  // wrote. The room lasts until the next call on the sink.
  char* Reserve(std::size_t count) {
    if (pending_.size() - used_ < count) Grow(count);
    return pending_.data() + used_;
  }
  void Claim(const char* end) { used_ = static_cast<std::size_t>(end - pending_.data()); }

  // Ends a piece: a string receives it at once, a file once a chunk is full.
  // False as for Write.
  bool EndPiece() { return used_ < flushAt_ ? accepting_ : Flush(); }

  // Hands a file everything pending; needed before the file is closed. False
  // when any write to it failed.
  bool Flush();
  bool Failed() const { return failed_; }

 private:
  // A file receives the text in chunks of this size; a string after every piece.
  static constexpr std::size_t kFileChunkBytes = 64 * 1024;

  void Grow(std::size_t count);

  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
  std::vector<char> pending_;
  std::size_t used_ = 0;
  std::size_t flushAt_ = 0;  // a string's at once, a file's by the chunk
  bool accepting_ = false;   // a file that has failed or is missing takes no text
  bool failed_ = false;
};
