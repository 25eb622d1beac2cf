#include "ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Through a symbolic link, the linked file is the one replaced.
std::string LinkedFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target.string();
}

// The new file takes the replaced file's permission bits and, where the
// system lets the user give it, its group; else the mode an ordinary create
// would give it.
void ApplyModeOf(const std::string& replaced, int descriptor) {
  struct stat old{};
  if (stat(replaced.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    [[maybe_unused]] const int grouped = fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
    fchmod(descriptor, old.st_mode & 07777);
    return;
  }
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(descriptor, 0666 & ~mask);
}

}  // namespace

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Open(const std::string& targetPath, std::string_view suffix) {
  Discard();
  targetPath_ = LinkedFile(targetPath);
  const std::string pattern = targetPath_ + std::string(suffix) + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = mkstemp(name.data());
  if (descriptor < 0) return false;
  temporaryPath_ = name.data();
  ApplyModeOf(targetPath_, descriptor);
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
