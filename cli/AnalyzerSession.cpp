#include "AnalyzerSession.h"

#include "AnalyzerConnection.h"

namespace verda {
namespace {

constexpr std::size_t kFileNameLength = 8;

}  // namespace

AnalyzerSession::~AnalyzerSession() {
  SetFailureCause({});
  if (remote_) analyzer_.SetLocalMode();
}

bool AnalyzerSession::Open() {
  if (!OpenAnalyzer(analyzer_)) return false;
  remote_ = analyzer_.SetRemoteMode() != 0;
  SetFailureCause([this] { return SilenceCause(); });
  return true;
}

std::string AnalyzerSession::SilenceCause() {
  const std::string notAnswering = "the analyzer is not answering";
  if (analyzer_.GetLineReport().lineGone != 0) return notAnswering;
  // From inside the step that failed, a reply cut short or a line left out
  // looks like silence: a question asked now tells them apart.
  int code = 0;
  return analyzer_.GetErrorCode(&code, 0) != 0 ? std::string() : notAnswering;
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

std::optional<int> NumberArgument(const Subcommand& command, const std::string& what, const std::string& text,
                                  int least, int most) {
  const auto value = ParseNumber(text, static_cast<unsigned long>(most));
  if (!value || *value < static_cast<unsigned long>(least)) {
    UsageError(command, what + " is a number from " + std::to_string(least) + " to " + std::to_string(most) +
                            ", not '" + text + "'");
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

int RunAnalyzerAction(const Subcommand& command, const std::vector<std::string>& arguments,
                      int (*action)(Talvinet& analyzer), const std::string& failure) {
  if (!arguments.empty()) return UsageError(command, "takes no arguments");
  AnalyzerSession session;
  if (!session.Open()) return kExitFailure;
  return action(session.Analyzer()) != 0 ? kExitSuccess : Fail(kExitFailure, failure);
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace verda
