#include "ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

// Gives the new file the mode an ordinary create would give it.
void ApplyDefaultMode(int descriptor) {
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(descriptor, 0666 & ~mask);
}

}  // namespace

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Open(const std::string& targetPath, std::string_view suffix) {
  Discard();
  targetPath_ = targetPath;
  const std::string pattern = targetPath + std::string(suffix) + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) return false;
  temporaryPath_ = name.data();
  ApplyDefaultMode(descriptor);
  stream_ = fdopen(descriptor, "wb");
  if (stream_ == nullptr) {
    close(descriptor);
    Discard();
    return false;
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (stream_ == nullptr) return false;
  const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!flushed || !closed || std::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
    Discard();
    return false;
  }
  temporaryPath_.clear();
  return true;
}

void ReplacingFile::Discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporaryPath_.empty()) std::remove(temporaryPath_.c_str());
  temporaryPath_.clear();
}
