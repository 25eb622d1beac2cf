// A virtual analyzer with fixed memory files, and a helper that sends bytes
// and returns the reply.
#pragma once

#include <string>
#include <string_view>

#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer::testing {

// Records: type 1 of 300 bytes, type 2 of 12 bytes, type 1 of 4 bytes.
inline MemoryFile SurveyFile() {
  MemoryFile file{"SURVEY  ", "03/14/98", "09:26:53", {}};
  std::vector<uint8_t> big(300);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i);
  file.records.push_back({1, big});
  file.records.push_back({2, {'L', 'E', 'Q', 0x11, 0x12, 0x17, '\r', '\n', 0, 0xFF, ';', '\''}});
  file.records.push_back({1, {9, 8, 7, 6}});
  return file;
}

inline VirtualAnalyzer AnalyzerWithFiles(Model model = Model::Cedar) {
  VirtualAnalyzer analyzer(model);
  analyzer.State().clock = [] { return std::time_t{0}; };
  analyzer.State().store.Add(MemoryFile{"Empty   ", "01/02/03", "04:05:06", {}});
  analyzer.State().store.Add(SurveyFile());
  return analyzer;
}

inline std::string Exchange(VirtualAnalyzer& analyzer, std::string_view bytes) {
  analyzer.Receive(bytes);
  return analyzer.TakeOutputText();
}

// The bytes a host sends for a command: the text, ";QER", and the end of query.
inline std::string Command(std::string_view text) { return std::string(text) + "\r\n;QER\r\n\x11"; }
inline std::string Query(std::string_view text) { return std::string(text) + "\r\n\x11"; }

}  // namespace simanalyzer::testing
