#include "WholeFileWriter.h"

#include "talvinet/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace talvinet {
namespace {

constexpr int kNameAttempts = 16;
// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

// ".<name>.<random>.part" in the destination's folder, so that the final
// rename never crosses a file system.
std::string TemporaryPathFor(const std::string& destination, std::mt19937_64& random) {
  const std::size_t slash = destination.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : destination.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? destination : destination.substr(slash + 1);
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%012llx.part", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
  return folder + "." + name + suffix;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The replaced file keeps the permission bits and, where the system lets
// its owner give it, the group the user set up.
void KeepAttributesOf(const std::string& replaced, int descriptor) {
  struct stat old{};
  if (::stat(replaced.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  // Refused when the user is no member of that group; the folder's group stays then.
  [[maybe_unused]] const int grouped = ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
  ::fchmod(descriptor, old.st_mode & 07777);
}

}  // namespace

std::string ReplacementTarget(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path target(path);
  std::error_code error;
  for (int hop = 0; hop < kMostLinks && fs::is_symlink(fs::symlink_status(target, error)); ++hop) {
    const fs::path linked = fs::read_symlink(target, error);
    if (error) break;
    target = linked.is_absolute() ? linked : target.parent_path() / linked;
  }
  return target.string();
}

std::string NewFileRefusal(const std::string& path) {
  WholeFileWriter probe;
  if (probe.Open(path) || !probe.FolderRefused()) return {};
  return "the folder " + FolderOf(ReplacementTarget(path)) + " cannot take a new file: " + std::strerror(probe.Error());
}

WholeFileWriter::~WholeFileWriter() { Discard(); }

// Keeps the errno of the first failure for Error().
bool WholeFileWriter::Failed() {
  if (error_ == 0) error_ = errno != 0 ? errno : EIO;
  return false;
}

bool WholeFileWriter::Open(const std::string& destination) {
  Discard();
  error_ = 0;
  folderRefused_ = false;
  if (destination.empty() || destination.back() == '/') {
    errno = EISDIR;
    return Failed();
  }
  // Through a symbolic link the linked file is replaced, and the link stays.
  const std::string target = ReplacementTarget(destination);
  std::mt19937_64 random(std::random_device{}());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string candidate = TemporaryPathFor(target, random);
    // A new file's mode lets the umask decide, as for any new file.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      folderRefused_ = true;
      return Failed();
    }
    KeepAttributesOf(target, fd);
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) {
      Failed();
      ::close(fd);
      ::unlink(candidate.c_str());
      return false;
    }
    temporaryPath_ = candidate;
    destination_ = target;
    return true;
  }
  return Failed();
}

bool WholeFileWriter::Write(const void* data, std::size_t size) {
  if (stream_ == nullptr) return false;
  errno = 0;
  return size == 0 || std::fwrite(data, 1, size, stream_) == size || Failed();
}

bool WholeFileWriter::Commit() {
  if (stream_ == nullptr) return false;
  errno = 0;
  const bool written = std::fflush(stream_) == 0 && std::ferror(stream_) == 0 && ::fsync(::fileno(stream_)) == 0;
  if (!written) Failed();
  const bool closed = std::fclose(stream_) == 0;
  if (!closed) Failed();
  stream_ = nullptr;
  if (!written || !closed || ::rename(temporaryPath_.c_str(), destination_.c_str()) != 0) {
    Failed();
    Discard();
    return false;
  }
  temporaryPath_.clear();
  return true;
}

void WholeFileWriter::Discard() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
  if (!temporaryPath_.empty()) {
    ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
  }
}

}  // namespace talvinet

namespace talvinet {

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size) {
  WholeFileWriter writer;
  return writer.Open(path) && writer.Write(data, size) && writer.Commit();
}

}  // namespace talvinet
