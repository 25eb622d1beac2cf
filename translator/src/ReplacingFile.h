// A file written whole or not at all: the text goes to a temporary file beside
// the target, which replaces the target only when every write succeeded.
// Dropping the object without Commit leaves the target as it was. A target
// reached through a symbolic link is replaced where the link leads, and a
// replaced file's permission bits and group carry over.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // The temporary file is named by the target path, `suffix` and a unique tail.
  bool Open(const std::string& targetPath, std::string_view suffix = ".part");
  std::FILE* Stream() const { return stream_; }
  // Flushes, closes and moves the file into place; false when any of that failed.
  bool Commit();

 private:
  void Discard();

  std::string targetPath_;
  std::string temporaryPath_;
  std::FILE* stream_ = nullptr;
};
