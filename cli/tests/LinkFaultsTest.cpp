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
#include "simanalyzer/DownloadFaultCases.h"
#include "VerdaOnTerminal.h"
#include "VerdaRunner.h"

namespace verdatest {
namespace {

using simanalyzer::DownloadFault;
using simanalyzer::DownloadStepAt;
using simanalyzer::VirtualAnalyzer;

constexpr auto kTimeLimit = std::chrono::seconds(20);

class LinkFaultsTest : public AnalyzerCommandTest {
 protected:
  VirtualAnalyzer TwoRecords(std::size_t firstSize, std::size_t secondSize) {
    VirtualAnalyzer analyzer;
    analyzer.State().store.Add(simanalyzer::TwoRecordFile(firstSize, secondSize));
    return analyzer;
  }

  // Runs verda against the faulty analyzer over a file already there, and
  // checks how it ended; prints how long it took and what the user saw.
  // `afterFailure` follows the failure on verda's last line.
  void ExpectEnding(const DownloadFault& c, VirtualAnalyzer analyzer, const std::vector<std::string>& command,
                    const fs::path& output, const std::string& afterFailure) {
    SCOPED_TRACE(std::string(c.at.name) + ", " + c.kindName);
    simanalyzer::Arm(analyzer, c);
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
    const bool whole = c.at.failure.empty();
    EXPECT_EQ(result.status, whole ? 0 : 1);
    // Where the analyzer went quiet or away, the line says so last.
    const bool gone = c.kind == simanalyzer::Faults::Step::kSilence || c.kind == simanalyzer::Faults::Step::kHangUp;
    const std::string cause = gone ? "; the analyzer is not answering" : "";
    const std::regex expected("verda: " + c.at.failure + afterFailure + cause + "\n");
    EXPECT_TRUE(whole ? result.err.empty() : std::regex_match(result.err, expected)) << result.err;
    EXPECT_EQ(FileText(output) == "old contents", !whole);
    EXPECT_EQ(FolderContents().size(), 1u);
  }
};

TEST_F(LinkFaultsTest, EveryFaultAtEveryStepOfADownloadEndsWithItsStepsError) {
  for (const DownloadFault& c : simanalyzer::EveryDownloadFault(simanalyzer::MemoryFileDownloadSteps())) {
    const fs::path output = folder / "out.vqb";
    ExpectEnding(c, TwoRecords(300, 256), {"download", "TWO", output.string()}, output, "; nothing was written");
  }
}

TEST_F(LinkFaultsTest, EveryFaultInASetupFileDownloadEndsWithItsError) {
  const std::string error = "Couldn't download the setup information to the file.";
  const std::vector<DownloadStepAt> steps = {
      {"setup bytes middle", "QSB", 0, 8, error, true},
      {"setup bytes last", "QSB", 0, simanalyzer::kLastByteOfReply, error, true},
      {"return to local mode", "LOCAL", 0, 0, ""},
  };
  for (const DownloadFault& c : simanalyzer::EveryDownloadFault(steps)) {
    const fs::path output = folder / "one.set";
    ExpectEnding(c, VirtualAnalyzer(), {"setup", "save", "1", output.string()}, output, "");
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
