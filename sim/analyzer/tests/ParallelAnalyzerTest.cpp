#include "simanalyzer/ParallelAnalyzer.h"

#include <gtest/gtest.h>

#include "AnalyzerFixture.h"
#include "lintarra/Lintarra.h"
#include "lintarra/PortAccess.h"

namespace simanalyzer {
namespace {

using testing::AnalyzerWithFiles;

// The host's side through Lintarra, on the emulated port.
class ParallelAnalyzerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lintarra::InstallPortAccess(&analyzer.Port().Access());
    Init(0x378, 0);
    SetTimeout(1000);
  }
  void TearDown() override {
    SetTimeout(LINTARRA_DEFAULT_POLLS);
    lintarra::InstallPortAccess(nullptr);
  }

  std::string ReadLine() {
    char line[257] = {};
    const int got = ReadString(line, 256);
    return got < 0 ? "error " + std::to_string(got) : std::string(line, static_cast<std::size_t>(got));
  }

  ParallelAnalyzer analyzer{AnalyzerWithFiles()};
};

TEST_F(ParallelAnalyzerTest, CommandsAndQueriesOverTheHandshake) {
  EXPECT_EQ(WriteByte(VirtualAnalyzer::kRemoteMode), 1);
  EXPECT_EQ(WriteString("FS 'Empty'\r\n;QER\r\n\x11"), 19);
  EXPECT_EQ(ReadLine(), "0\r\n");
  EXPECT_EQ(WriteString("QFS\r\n\x11"), 6);
  EXPECT_EQ(ReadLine(), "Empty   \r\n");
  EXPECT_TRUE(analyzer.Analyzer().State().remote);
}

TEST_F(ParallelAnalyzerTest, RecordDataByBuffer) {
  const StoredRecord record = testing::SurveyFile().records[0];
  WriteString("QRR 1,1\r\n\x11");
  std::vector<unsigned char> data(record.bytes.size());
  EXPECT_EQ(ReadBuffer(data.data(), static_cast<int>(data.size())), static_cast<int>(data.size()));
  EXPECT_EQ(data, record.bytes);
}

TEST_F(ParallelAnalyzerTest, ASilentAnalyzerTimesTheReadOut) {
  analyzer.Analyzer().Misbehaviour().silentAfterBytes = 0;
  WriteString("QFS\r\n\x11");
  EXPECT_EQ(ReadLine(), "error " + std::to_string(LINTARRA_NO_BYTE_OFFERED));
}

}  // namespace
}  // namespace simanalyzer
