// The faults a download from the virtual analyzer can meet at each of its
// steps, for the tests of every host that downloads: each step, each way a
// line can fail there, and what the host must say went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "simanalyzer/VirtualAnalyzer.h"

namespace simanalyzer {

struct DownloadStepAt {
  const char* name;
  const char* mnemonic;
  std::size_t occurrence;
  std::size_t byte;
  // The host's sentence for the failure, as a regular expression; empty
  // where the file is already whole.
  std::string failure;
  // Noise in a record's or a setup's bytes has their length and no check
  // the host could make: only a line's text can be seen to be wrong.
  bool binary = false;
};

struct DownloadFault {
  DownloadStepAt at;
  Faults::Step kind;
  const char* kindName;
};

inline constexpr std::size_t kLastByteOfReply = SIZE_MAX;

// Every step of downloading a memory file "TWO" of two records, the first
// longer than 150 bytes and the second longer than 128.
inline const std::vector<DownloadStepAt>& MemoryFileDownloadSteps() {
  static const std::string incomplete = " did not arrive whole: [0-9]+ of [0-9]+ bytes after [0-9.]+ s";
  static const std::vector<DownloadStepAt> steps = {
      {"file selection", "QFS", 0, 0, "the analyzer has no memory file 'TWO'"},
      {"record count", "QRD", 0, 0, "the analyzer did not list the records of 'TWO'"},
      {"listing", "QRD", 0, 4, "the analyzer did not list the records of 'TWO'"},
      {"record 1 size", "QRLR", 0, 0, "the analyzer did not tell the size of record 1 of 2"},
      {"record 2 size", "QRLR", 1, 0, "the analyzer did not tell the size of record 2 of 2"},
      {"record 1 middle byte", "QRR", 0, 150, "record 1 of 2" + incomplete, true},
      {"record 1 last byte", "QRR", 0, kLastByteOfReply, "record 1 of 2" + incomplete, true},
      {"record 2 middle byte", "QRR", 1, 128, "record 2 of 2" + incomplete, true},
      {"record 2 last byte", "QRR", 1, kLastByteOfReply, "record 2 of 2" + incomplete, true},
      {"return to local mode", "LOCAL", 0, 0, ""},
  };
  return steps;
}

// A memory file "TWO" with records of `firstSize` and `secondSize` bytes.
inline MemoryFile TwoRecordFile(std::size_t firstSize, std::size_t secondSize) {
  MemoryFile file = NewFile("TWO", 0);
  file.records = {{1, std::vector<uint8_t>(firstSize, 0x11)}, {2, std::vector<uint8_t>(secondSize, 0x22)}};
  return file;
}

// Each kind of fault at each of `steps`, but for those that cannot be seen:
// noise in binary data, and anything but a hang-up once the file is whole.
inline std::vector<DownloadFault> EveryDownloadFault(const std::vector<DownloadStepAt>& steps) {
  using Step = Faults::Step;
  const std::pair<Step, const char*> kinds[] = {
      {Step::kSilence, "silence"},        {Step::kDroppedLine, "dropped line"}, {Step::kErrorCode, "error code"},
      {Step::kShortReply, "short reply"}, {Step::kGarbage, "garbage"},          {Step::kHangUp, "hang-up"},
  };
  std::vector<DownloadFault> cases;
  for (const DownloadStepAt& at : steps) {
    for (const auto& [kind, name] : kinds) {
      if ((at.binary && kind == Step::kGarbage) || (at.failure.empty() && kind != Step::kHangUp)) continue;
      cases.push_back({at, kind, name});
    }
  }
  return cases;
}

inline void Arm(VirtualAnalyzer& analyzer, const DownloadFault& fault) {
  analyzer.Misbehaviour().step = fault.kind;
  analyzer.Misbehaviour().stepMnemonic = fault.at.mnemonic;
  analyzer.Misbehaviour().stepOccurrence = fault.at.occurrence;
  analyzer.Misbehaviour().stepByte = fault.at.byte;
}

}  // namespace simanalyzer
