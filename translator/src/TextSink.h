// Destination of translated text: an open file or a string. A failed write is
// remembered, so that a translation that lost text is never reported as done.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class TextSink {
 public:
  explicit TextSink(std::FILE* file) : file_(file) {}
  explicit TextSink(std::string* text) : text_(text) {}

  bool Write(std::string_view bytes);
  bool Failed() const { return failed_; }

 private:
  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
  bool failed_ = false;
};
