// Writes a file whole or not at all: everything goes to a temporary file
// beside the destination, which replaces the destination only on Commit.
// Until then, and whenever anything fails, the destination stays as it was.
// A destination that is a symbolic link has its linked file replaced; a
// replaced file's permission bits and group carry over to the new one. The
// data reaches the disk before the rename, since what the analyzer sent may
// not be had again.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace talvinet {

class WholeFileWriter {
 public:
  WholeFileWriter() = default;
  ~WholeFileWriter();
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  // Creates the temporary file; false when the destination's folder cannot
  // take it (FolderRefused).
  bool Open(const std::string& destination);
  // The temporary file, for writes; null until opened.
  std::FILE* Stream() { return stream_; }
  bool Write(const void* data, std::size_t size);
  // Flushes, syncs and moves the temporary file into place.
  bool Commit();
  // The errno of the first step that failed; 0 while none has.
  int Error() const { return error_; }
  // True when the last Open failed to create the temporary file.
  bool FolderRefused() const { return folderRefused_; }

 private:
  void Discard();
  bool Failed();

  std::FILE* stream_ = nullptr;
  std::string temporaryPath_;
  std::string destination_;
  int error_ = 0;
  bool folderRefused_ = false;
};

}  // namespace talvinet
