// Every step of a download and of a setup file download, failing in every
// way a line can fail, over the real serial layer and a pseudo-terminal
// against a virtual analyzer: each ends in time with the step's own error,
// writes nothing and leaves the file already there as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "AnalyzerFixture.h"
#include "VerdaOnTerminal.h"
#include "VerdaRunner.h"

namespace verdatest {
namespace {

using simanalyzer::Faults;
using simanalyzer::VirtualAnalyzer;
using Step = Faults::Step;

constexpr auto kTimeLimit = std::chrono::seconds(20);
constexpr std::size_t kLastByte = SIZE_MAX;

struct StepAt {
  const char* name;
  const char* mnemonic;
  std::size_t occurrence;
  std::size_t byte;
  std::string error;  // a regular expression for verda's last line; empty: the file is already whole
  // Noise in a record's or a setup's bytes has their length and no check
  // the host could make: only a line's text can be seen to be wrong.
  bool binary = false;
};

struct FaultCase {
  StepAt at;
  Step kind;
  const char* kindName;
};

const std::string kIncomplete = " did not arrive whole: [0-9]+ of [0-9]+ bytes after [0-9.]+ s; nothing was written";
const std::string kNothing = "; nothing was written";

const std::vector<StepAt>& DownloadSteps() {
  static const std::vector<StepAt> steps = {
      {"file selection", "QFS", 0, 0, "the analyzer has no memory file 'TWO'" + kNothing},
      {"record count", "QRD", 0, 0, "the analyzer did not list the records of 'TWO'" + kNothing},
      {"listing", "QRD", 0, 4, "the analyzer did not list the records of 'TWO'" + kNothing},
      {"record 1 size", "QRLR", 0, 0, "the analyzer did not tell the size of record 1 of 2" + kNothing},
      {"record 2 size", "QRLR", 1, 0, "the analyzer did not tell the size of record 2 of 2" + kNothing},
      {"record 1 middle byte", "QRR", 0, 150, "record 1 of 2" + kIncomplete, true},
      {"record 1 last byte", "QRR", 0, kLastByte, "record 1 of 2" + kIncomplete, true},
      {"record 2 middle byte", "QRR", 1, 128, "record 2 of 2" + kIncomplete, true},
      {"record 2 last byte", "QRR", 1, kLastByte, "record 2 of 2" + kIncomplete, true},
      {"return to local mode", "LOCAL", 0, 0, ""},
  };
  return steps;
}

std::vector<FaultCase> EveryFault(const std::vector<StepAt>& steps) {
  const std::pair<Step, const char*> kinds[] = {
      {Step::kSilence, "silence"},       {Step::kDroppedLine, "dropped line"}, {Step::kErrorCode, "error code"},
      {Step::kShortReply, "short reply"}, {Step::kGarbage, "garbage"},       {Step::kHangUp, "hang-up"},
  };
  std::vector<FaultCase> cases;
  for (const StepAt& at : steps) {
    for (const auto& [kind, name] : kinds) {
      // Once the file is whole only a hang-up is left to strike.
      if ((at.binary && kind == Step::kGarbage) || (at.error.empty() && kind != Step::kHangUp)) continue;
      cases.push_back({at, kind, name});
    }
  }
  return cases;
}

class LinkFaultsTest : public AnalyzerCommandTest {
 protected:
  VirtualAnalyzer TwoRecords(std::size_t firstSize, std::size_t secondSize) {
    VirtualAnalyzer analyzer;
    simanalyzer::MemoryFile file = simanalyzer::NewFile("TWO", 0);
    file.records = {{1, std::vector<uint8_t>(firstSize, 0x11)}, {2, std::vector<uint8_t>(secondSize, 0x22)}};
    analyzer.State().store.Add(file);
    return analyzer;
  }

  // Runs verda against the faulty analyzer over a file already there, and
  // checks how it ended; prints how long it took and what the user saw.
  void ExpectEnding(const FaultCase& c, VirtualAnalyzer analyzer,
                                     const std::vector<std::string>& command, const fs::path& output) {
    SCOPED_TRACE(std::string(c.at.name) + ", " + c.kindName);
    analyzer.Misbehaviour().step = c.kind;
    analyzer.Misbehaviour().stepMnemonic = c.at.mnemonic;
    analyzer.Misbehaviour().stepOccurrence = c.at.occurrence;
    analyzer.Misbehaviour().stepByte = c.at.byte;
    Serve(std::move(analyzer));
    std::ofstream(output) << "old contents";
    const auto start = std::chrono::steady_clock::now();
    const VerdaResult result = RunVerda(On(command));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    server->Stop();
    server.reset();
    std::printf("[fault] %s, %s: %.1f s, exit %d: %s", c.at.name, c.kindName, took.count(), result.status,
                result.err.c_str());
    EXPECT_LT(took, kTimeLimit);
    const bool whole = c.at.error.empty();
    EXPECT_EQ(result.status, whole ? 0 : 1);
    EXPECT_TRUE(whole ? result.err.empty() : std::regex_match(result.err, std::regex("verda: " + c.at.error + "\n")))
        << result.err;
    EXPECT_EQ(FileText(output) == "old contents", !whole);
    EXPECT_EQ(FolderContents().size(), 1u);
  }
};

TEST_F(LinkFaultsTest, EveryFaultAtEveryStepOfADownloadEndsWithItsStepsError) {
  for (const FaultCase& c : EveryFault(DownloadSteps())) {
    const fs::path output = folder / "out.vqb";
    ExpectEnding(c, TwoRecords(300, 256), {"download", "TWO", output.string()}, output);
  }
}

TEST_F(LinkFaultsTest, EveryFaultInASetupFileDownloadEndsWithItsError) {
  const std::string error = "Couldn't download the setup information to the file.";
  const std::vector<StepAt> steps = {
      {"setup bytes middle", "QSB", 0, 8, error, true},
      {"setup bytes last", "QSB", 0, kLastByte, error, true},
      {"return to local mode", "LOCAL", 0, 0, ""},
  };
  for (const FaultCase& c : EveryFault(steps)) {
    const fs::path output = folder / "one.set";
    ExpectEnding(c, VirtualAnalyzer(), {"setup", "save", "1", output.string()}, output);
  }
}

// Ctrl-C while record 1, then record 2, is on its way over a paced line.
TEST_F(LinkFaultsTest, ACancelAtEachRecordLeavesTheOldFile) {
  for (const char* progress : {" of 4000 total  2", " of 4000 total  7"}) {
    SCOPED_TRACE(progress);
    Serve(TwoRecords(2000, 2000), simanalyzer::Pacing{19200, 1.0});
    const fs::path output = folder / "out.vqb";
    std::ofstream(output) << "old contents";
    VerdaOnTerminal verda(On({"download", "TWO", output.string()}));
    ASSERT_TRUE(verda.WaitFor(progress, std::chrono::seconds(10))) << verda.Shown();
    verda.Interrupt();
    EXPECT_EQ(verda.Wait(), 1);
    EXPECT_NE(verda.Shown().find("verda: download cancelled; " + output.string() + " was not written"),
              std::string::npos)
        << verda.Shown();
    EXPECT_EQ(FileText(output), "old contents");
    EXPECT_EQ(FolderContents().size(), 1u);
    server->Stop();
    server.reset();
  }
}

}  // namespace
}  // namespace verdatest
