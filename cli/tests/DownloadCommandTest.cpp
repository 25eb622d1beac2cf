// verda download over the real serial layer and a pseudo-terminal, against a
// virtual analyzer.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "AnalyzerFixture.h"
#include "VerdaOnTerminal.h"
#include "VerdaRunner.h"
#include "simanalyzer/DemoRecords.h"
#include "talvinet/ByteChannel.h"
#include "simanalyzer/VqbFiles.h"

namespace verdatest {
namespace {

using simanalyzer::VirtualAnalyzer;

// Header bytes that hold the four digits of the model number.
constexpr std::size_t kModelDigitsStart = 13;
constexpr std::size_t kModelDigits = 4;

std::string WithoutModelDigits(std::string file) {
  if (file.size() >= kModelDigitsStart + kModelDigits) file.replace(kModelDigitsStart, kModelDigits, "####");
  return file;
}

class DownloadCommandTest : public AnalyzerCommandTest {
 protected:
  // An analyzer holding the records of `source`, a binary data file written
  // by another analyzer, as its memory file SOURCE.
  VirtualAnalyzer AnalyzerHolding(const std::vector<simanalyzer::StoredRecord>& records) {
    source = folder / "source.vqb";
    const std::vector<uint8_t> bytes = simanalyzer::VqbFileBytes(1234, records);
    std::ofstream(source, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<std::streamsize>(bytes.size()));
    simanalyzer::LoadedFile loaded = simanalyzer::LoadVqbFile(source.string(), "SOURCE", 0);
    EXPECT_TRUE(loaded.file.has_value()) << loaded.problem;
    VirtualAnalyzer analyzer;
    if (loaded.file) analyzer.State().store.Add(*loaded.file);
    return analyzer;
  }

  fs::path source;
};

TEST_F(DownloadCommandTest, TheDownloadedFileIsTheFileTheRecordsCameFromAndTranslates) {
  const std::vector<simanalyzer::StoredRecord> demo = simanalyzer::DemoRecords();
  Serve(AnalyzerHolding({demo[0], demo[1]}));
  const fs::path downloaded = folder / "SOURCE.vqb";
  const VerdaResult result = RunVerda(On({"download", "SOURCE", downloaded.string()}));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(WithoutModelDigits(FileText(downloaded)), WithoutModelDigits(FileText(source)));
  EXPECT_EQ(FileText(downloaded).substr(0, 36), "Vexlor-Quand 2480 binary data file.\x1A");

  const fs::path text = folder / "SOURCE.csv";
  const VerdaResult translated = RunVerda({"translate", downloaded.string(), text.string()});
  EXPECT_EQ(translated.status, 0) << translated.err;
  EXPECT_NE(FileText(text).find("Output of Normal 1"), std::string::npos);
}

TEST_F(DownloadCommandTest, ARecordCutShortFailsAndLeavesTheOldFile) {
  VirtualAnalyzer analyzer = AnalyzerHolding({simanalyzer::DemoRecords()[1]});
  analyzer.Misbehaviour().recordDataShortBy = 1;
  Serve(std::move(analyzer));
  const fs::path downloaded = folder / "SOURCE.vqb";
  std::ofstream(downloaded) << "old contents";
  const VerdaResult result = RunVerda(On({"download", "SOURCE", downloaded.string()}));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("nothing was written"), std::string::npos) << result.err;
  EXPECT_EQ(FileText(downloaded), "old contents");
  EXPECT_EQ(FolderContents().size(), 2u);
}

TEST_F(DownloadCommandTest, EachFailureSaysWhichStepFailed) {
  struct Case {
    const char* name;
    const char* fileName;
    std::size_t recordDataShortBy;
    bool nonNumericRecordSize;
    const char* output;
    std::string expected;  // a regular expression for the whole of standard error
  };
  const std::string missingFolder = (folder / "missing" / "out.vqb").string();
  const Case cases[] = {
      {"no such file", "NOFILE", 0, false, "out.vqb",
       "verda: the analyzer has no memory file 'NOFILE'; nothing was written\n"},
      {"record cut short", "TWO", 1, false, "out.vqb",
       "verda: record 1 of 2 did not arrive whole: 299 of 300 bytes after [0-9]+\\.[0-9] s; nothing was written\n"},
      {"no record size", "TWO", 0, true, "out.vqb",
       "verda: the analyzer did not tell the size of record 1 of 2; nothing was written\n"},
      {"destination", "TWO", 0, false, missingFolder.c_str(),
       "verda: the folder " + (folder / "missing").string() +
           " cannot take a new file: No such file or directory; nothing was written\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualAnalyzer analyzer;
    simanalyzer::MemoryFile file = simanalyzer::NewFile("TWO", 0);
    file.records = {{1, std::vector<uint8_t>(300, 0x11)}, {2, std::vector<uint8_t>(256, 0x22)}};
    analyzer.State().store.Add(file);
    analyzer.Misbehaviour().recordDataShortBy = c.recordDataShortBy;
    analyzer.Misbehaviour().nonNumericRecordSize = c.nonNumericRecordSize;
    Serve(std::move(analyzer));
    const std::string output = c.output[0] == '/' ? c.output : (folder / c.output).string();
    const VerdaResult result = RunVerda(On({"download", c.fileName, output}));
    server->Stop();
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(std::regex_match(result.err, std::regex(c.expected))) << result.err;
    EXPECT_TRUE(FolderContents().empty());
  }
}

// The record takes seconds on a paced 19200-baud line: Ctrl-C once bytes
// arrive stops the download cleanly.
TEST_F(DownloadCommandTest, CtrlCCancelsCleanlyAndTheTerminalShowedProgress) {
  simanalyzer::StoredRecord big{1, std::vector<uint8_t>(20000, 0x5A)};
  VirtualAnalyzer analyzer;
  simanalyzer::MemoryFile file = simanalyzer::NewFile("BIG", 0);
  file.records.push_back(big);
  analyzer.State().store.Add(file);
  Serve(std::move(analyzer), simanalyzer::Pacing{19200, 1.0});
  const fs::path downloaded = folder / "BIG.vqb";
  std::ofstream(downloaded) << "old contents";

  VerdaOnTerminal verda(On({"download", "BIG", downloaded.string()}));
  ASSERT_TRUE(verda.WaitFor(" of 20000 total", std::chrono::seconds(10))) << verda.Shown();
  verda.Interrupt();
  EXPECT_EQ(verda.Wait(), 1);
  EXPECT_TRUE(std::regex_search(verda.Shown(), std::regex("\rBytes received: [0-9]+ of 20000 total +[0-9]+%")))
      << verda.Shown();
  EXPECT_NE(verda.Shown().find("verda: download cancelled; " + downloaded.string() + " was not written"),
            std::string::npos)
      << verda.Shown();
  EXPECT_EQ(FileText(downloaded), "old contents");
  EXPECT_EQ(FolderContents().size(), 1u);
}

// A download paced to seconds holds the port: a second verda is refused at
// once and the download is not disturbed; once it is done the port is free.
TEST_F(DownloadCommandTest, ASecondVerdaIsRefusedWhileADownloadHoldsThePort) {
  Serve(AnalyzerHolding({{1, std::vector<uint8_t>(3000, 0x5A)}}), simanalyzer::Pacing{19200, 1.0});
  const std::string port = server->DevicePath();
  const fs::path downloaded = folder / "SOURCE.vqb";
  VerdaOnTerminal download(On({"download", "SOURCE", downloaded.string()}));
  for (int poll = 0; poll < 1000 && !talvinet::IsDeviceClaimed(port); ++poll) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(talvinet::IsDeviceClaimed(port));

  const auto start = std::chrono::steady_clock::now();
  const VerdaResult second = RunVerda(On({"info"}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(second.status, 1);
  EXPECT_EQ(second.err, "verda: the serial port " + port + " is in use by another program\n");
  EXPECT_TRUE(talvinet::IsDeviceClaimed(port)) << "the download ended before the second verda was refused";

  EXPECT_EQ(download.Wait(), 0) << download.Shown();
  EXPECT_EQ(WithoutModelDigits(FileText(downloaded)), WithoutModelDigits(FileText(source)));
  EXPECT_FALSE(talvinet::IsDeviceClaimed(port));
  const VerdaResult third = RunVerda(On({"info"}));
  EXPECT_EQ(third.status, 0) << third.err;
}

}  // namespace
}  // namespace verdatest
