#include "TranslatedText.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace morvane_python {
namespace {

constexpr int kSuffixLength = 4;  // ".csv"

std::string Failure(const std::string& path, const char* what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

}  // namespace

TranslatedText::TranslatedText(const morvane::TranslationRequest& request, const std::string& input)
    : path_((std::filesystem::temp_directory_path() / "morvane-XXXXXX.csv").string()) {
  const int created = mkstemps(path_.data(), kSuffixLength);
  if (created < 0) {
    outcome_.failure = Failure(path_, "cannot be created");
    return;
  }
  created_ = true;
  close(created);
  outcome_ = morvane::TranslateFile(request, input, path_);
  if (!outcome_.failure.empty()) return;

  const int descriptor = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (descriptor < 0 || fstat(descriptor, &status) != 0) {
    outcome_.failure = Failure(path_, "cannot be read back");
  } else if (status.st_size > 0) {
    void* mapping = mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapping == MAP_FAILED) {
      outcome_.failure = Failure(path_, "cannot be read back");
    } else {
      mapping_ = mapping;
      size_ = static_cast<std::size_t>(status.st_size);
    }
  }
  if (descriptor >= 0) close(descriptor);
}

TranslatedText::~TranslatedText() {
  if (mapping_ != nullptr) munmap(mapping_, size_);
  if (created_) unlink(path_.c_str());
}

}  // namespace morvane_python
