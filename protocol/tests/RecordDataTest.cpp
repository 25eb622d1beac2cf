#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AnalyzerTalvinetFixture.h"
#include "TalvinetFixture.h"
#include "lintarra/Lintarra.h"
#include "lintarra/PortAccess.h"
#include "simanalyzer/ParallelAnalyzer.h"

namespace talvinet::testing {
namespace {

constexpr int kGuard = 16;
// Slow enough that a record is not whole by the first poll.
constexpr long kSlowLine = 200;

class RecordDataTest : public AnalyzerTalvinetTest {
 protected:
  // The bytes of record (type, number) as GetRecordData delivers them, with
  // guard bytes after the `size` asked for that must stay untouched.
  std::vector<uint8_t> Download(unsigned char type, int number, int size, int& result,
                                const MessageHandler& progress = {}) {
    std::vector<uint8_t> data(static_cast<std::size_t>(size) + kGuard, 0xEE);
    result = analyzer.GetRecordData(type, number, size, data.data(), 0, progress, WM_DOWNLOAD_PROGRESS);
    for (int i = 0; i < kGuard; ++i) EXPECT_EQ(data[static_cast<std::size_t>(size + i)], 0xEE);
    data.resize(static_cast<std::size_t>(size));
    return data;
  }

  static std::vector<uint8_t> Stored(std::size_t index) { return SurveyFile().records[index].bytes; }
};

TEST_F(RecordDataTest, TheSizeIsTheAnalyzersNumber) {
  Open();
  int size = -1;
  EXPECT_EQ(analyzer.GetRecordSize(1, 1, &size, 1), 1);
  EXPECT_EQ(size, 300);
  EXPECT_EQ(line.Written(), "\x12QRLR 1,1\r\n\x11\x17");
  EXPECT_EQ(analyzer.GetRecordSize(2, 1, &size, 0), 1);
  EXPECT_EQ(size, 256);
  EXPECT_EQ(analyzer.GetRecordSize(2, 1, nullptr, 0), 0);
}

TEST_F(RecordDataTest, ASizeThatIsNoNumberFails) {
  Open();
  Faults().nonNumericRecordSize = true;
  int size = 77;
  EXPECT_EQ(analyzer.GetRecordSize(1, 1, &size, 0), 0);
  EXPECT_EQ(size, 77);
}

TEST_F(RecordDataTest, ARecordArrivesWholeOverManyPollsWithProgress) {
  line.bytesPerSecond = kSlowLine;
  Open();
  std::vector<std::pair<long, long>> progress;
  const MessageHandler window = [&](unsigned int message, long received, long total) {
    EXPECT_EQ(message, WM_DOWNLOAD_PROGRESS);
    progress.emplace_back(received, total);
    return 0L;
  };
  int result = 0;
  const std::vector<uint8_t> data = Download(1, 1, 300, result, window);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(data, Stored(0));
  ASSERT_GE(progress.size(), 3u);
  for (std::size_t i = 1; i < progress.size(); ++i) EXPECT_GE(progress[i].first, progress[i - 1].first);
  EXPECT_EQ(progress.back().first, 300);
  EXPECT_EQ(analyzer.bytesReceived, 300u);
}

TEST_F(RecordDataTest, APollWaitsOneMillionOverTheBaudRateMilliseconds) {
  Open(9600);
  int result = 0;
  // 200 ms before the first poll, 104 ms to it, and the record is whole.
  EXPECT_EQ(MillisecondsTaken([&] { Download(2, 1, 256, result); }), 150 + 200 + 104);
  EXPECT_EQ(result, 1);
}

TEST_F(RecordDataTest, AShortRecordFailsAfterTenSilentPolls) {
  Open();
  Faults().recordDataShortBy = 10;
  int result = -1;
  const long long taken = MillisecondsTaken([&] { Download(1, 1, 300, result); });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(taken, 150 + 200 + 10 * 52);
}

TEST_F(RecordDataTest, ASilentAnalyzerEndsTheTransferInAboutASecond) {
  Open(9600);
  Faults().silentAfterBytes = 0;
  int result = -1;
  EXPECT_LT(MillisecondsTaken([&] { Download(1, 1, 300, result); }), 1500);
  EXPECT_EQ(result, 0);
}

TEST_F(RecordDataTest, ANonZeroAnswerFromTheProgressWindowStopsTheTransfer) {
  line.bytesPerSecond = kSlowLine;
  Open();
  int calls = 0;
  int result = -1;
  const std::vector<uint8_t> data = Download(1, 1, 300, result, [&](unsigned int, long, long) {
    ++calls;
    return 1L;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(RecordDataTest, BytesBeyondTheSizeAskedForAreLeftUnread) {
  Open();
  int result = 0;
  const std::vector<uint8_t> data = Download(1, 1, 100, result);
  EXPECT_EQ(result, 1);
  const std::vector<uint8_t> stored = Stored(0);
  EXPECT_EQ(data, std::vector<uint8_t>(stored.begin(), stored.begin() + 100));
}

TEST_F(RecordDataTest, NoBufferOrANegativeSizeAsksNothing) {
  Open();
  line.ClearWritten();
  unsigned char byte = 0;
  EXPECT_EQ(analyzer.GetRecordData(1, 1, 10, nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetRecordData(1, 1, -1, &byte, 1), 0);
  EXPECT_EQ(line.Written(), "");
}

// Over the parallel port the record is one buffer read, without progress.
class ParallelRecordDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lintarra::InstallPortAccess(&port.Port().Access());
    analyzer.clock = &clock;
    analyzer.InitParallelPort(0x378, 0);
    SetTimeout(2000);
  }
  void TearDown() override {
    SetTimeout(LINTARRA_DEFAULT_POLLS);
    lintarra::InstallPortAccess(nullptr);
  }

  ManualClock clock;
  simanalyzer::ParallelAnalyzer port{AnalyzerWithFiles()};
  FilesProbe analyzer;
};

TEST_F(ParallelRecordDataTest, TheRecordIsReadWholeAndTheProgressWindowHearsNothing) {
  std::vector<uint8_t> data(300);
  int calls = 0;
  const MessageHandler window = [&](unsigned int, long, long) {
    ++calls;
    return 0L;
  };
  EXPECT_EQ(analyzer.GetRecordData(1, 1, 300, data.data(), 1, window, WM_DOWNLOAD_PROGRESS), 1);
  EXPECT_EQ(data, SurveyFile().records[0].bytes);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(analyzer.GetRecordData(1, 2, 0, nullptr, 0), 1);
}

TEST_F(ParallelRecordDataTest, AShortRecordFails) {
  port.Analyzer().Misbehaviour().recordDataShortBy = 1;
  std::vector<uint8_t> data(300);
  EXPECT_EQ(analyzer.GetRecordData(1, 1, 300, data.data(), 0), 0);
}

}  // namespace
}  // namespace talvinet::testing
