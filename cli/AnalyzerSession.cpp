#include "AnalyzerSession.h"

#include "AnalyzerConnection.h"

namespace verda {
namespace {

constexpr std::size_t kFileNameLength = 8;

}  // namespace

AnalyzerSession::~AnalyzerSession() {
  if (remote_) analyzer_.SetLocalMode();
}

bool AnalyzerSession::Open() {
  if (!OpenAnalyzer(analyzer_)) return false;
  remote_ = analyzer_.SetRemoteMode() != 0;
  return true;
}

std::optional<std::string> MemoryFileArgument(const Subcommand& command, const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    UsageError(command, "expects one memory file name");
    return std::nullopt;
  }
  const std::string& name = arguments[0];
  if (name.empty() || name.size() > kFileNameLength) {
    UsageError(command, "a memory file name has 1 to 8 characters, not '" + name + "'");
    return std::nullopt;
  }
  std::string padded = name;
  padded.resize(kFileNameLength, ' ');
  return padded;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace verda
