// Answers every settings query whose reply is parsed with arbitrary bytes,
// and reads the same bytes as a setup file. Without libFuzzer, main()
// replays the files and folders named on the command line, so stored
// hostile inputs run as an ordinary test.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzedAnalyzer.h"
#include "talvinet/SetupFile.h"
#include "talvinet/Talvinet.h"

namespace {

// Each query is answered with `reply`; each result lands in a buffer just
// big enough, so that the sanitizers see any write past it.
void AskEverything(const std::string& reply) {
  FuzzedAnalyzer fuzzed;
  if (!fuzzed.Open()) return;
  Talvinet& analyzer = fuzzed.analyzer;
  const auto answer = [&](const char* query) { fuzzed.Answer(query, reply); };

  answer("QMA\r\n");
  MacroStruct macro;
  analyzer.GetMacroInfo(&macro, 0);
  answer("QSF\r\n");
  SetupStruct setups;
  analyzer.GetSetupInfo(&setups, 0);
  answer("QFQ\r\n");
  FrequencyRangeStruct range;
  analyzer.GetDisplayedFrequencyRange(&range, 0);
  answer("QXM\r\n");
  MuxStruct mux;
  analyzer.GetMuxState(&mux, 0);
  answer("QSM 1\r\n");
  std::vector<char> first(3);
  std::vector<char> second(5);
  analyzer.GetSummationLevel(1, first.data(), 3, second.data(), 5, 0);
  answer("QCK\r\n");
  std::vector<char> date(4);
  std::vector<char> time(2);
  analyzer.GetDateAndTime(date.data(), 4, time.data(), 2, 0);
  answer("QSB 2\r\n");
  std::vector<char> bytes(17);
  analyzer.GetSetupBytes(2, bytes.data(), 17, 0);
  answer("QLV 1,2,3\r\n");
  std::vector<char> level(6);
  analyzer.GetFrequencyLevelRange(1, 2, 3, level.data(), 6, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  AskEverything(input);
  const auto file = talvinet::ParseSetupFile(input);
  if (file) talvinet::SetupFileFits(file->header, file->header);
  return 0;
}
