// What the analyzer subcommands share: the analyzer opened from the global
// options and held in remote mode for the whole command, and memory file
// names as the user types them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CommandLine.h"
#include "talvinet/Talvinet.h"

namespace verda {

class AnalyzerSession {
 public:
  AnalyzerSession() = default;
  // Back to local mode, whatever happened.
  ~AnalyzerSession();
  AnalyzerSession(const AnalyzerSession&) = delete;
  AnalyzerSession& operator=(const AnalyzerSession&) = delete;

  // Connects and switches to remote mode; false, with a message printed,
  // when the link cannot be opened.
  bool Open();
  Talvinet& Analyzer() { return analyzer_; }

 private:
  // "the analyzer is not answering" when the line went away or the analyzer
  // does not answer a question now; else empty.
  std::string SilenceCause();

  Talvinet analyzer_;
  bool remote_ = false;
};

// The one argument of `command`, a memory file name, in the analyzer's
// 8-character form padded with blanks; nothing, with a usage error printed,
// when there is not exactly one argument of 1 to 8 characters.
std::optional<std::string> MemoryFileArgument(const Subcommand& command, const std::vector<std::string>& arguments);

// `text` as a whole number from `least` to `most`; nothing, with a usage
// error of `command` printed, otherwise.
std::optional<int> NumberArgument(const Subcommand& command, const std::string& what, const std::string& text,
                                  int least, int most);

// Runs `action` on a freshly opened analyzer when `arguments` is empty;
// prints `failure` and fails when the action returns 0.
int RunAnalyzerAction(const Subcommand& command, const std::vector<std::string>& arguments,
                      int (*action)(Talvinet& analyzer), const std::string& failure);

// A listing column without the blanks that pad it.
std::string_view WithoutTrailingBlanks(std::string_view text);

}  // namespace verda
