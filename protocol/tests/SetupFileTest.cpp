#include "talvinet/SetupFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AnalyzerTalvinetFixture.h"

namespace talvinet::testing {
namespace {

namespace fs = std::filesystem;

HardwareSetupStruct CedarSetup() {
  return HardwareSetupStruct{"160\r\n", "CED01092", "2\r\n", "V5.20", "1\r\n", "0\r\n", "0\r\n", "0\r\n",
                             "000000000000001100000001", "CE541260"};
}

constexpr char kCedarHeader[] =
    "   160\r\nCED01092\r\n     2\r\nV5.20\r\n     1\r\n     0\r\n     0\r\n     0\r\n"
    "000000000000001100000001\r\n   CE541260\r\n";

TEST(SetupFileFormat, TheHeaderPadsEveryFieldOnTheLeftWithoutItsLineEnd) {
  EXPECT_EQ(SetupFileHeader(CedarSetup()), kCedarHeader);
  EXPECT_EQ(std::string(kCedarHeader).size(), kSetupFileHeaderSize);
  EXPECT_EQ(SetupByteCount(CedarSetup()), 482U);
}

TEST(SetupFileFormat, OnlyWholeFilesWithCompleteLinesParse) {
  const std::string whole = kCedarHeader + std::string(480, '7') + "\r\n";
  ASSERT_TRUE(ParseSetupFile(whole));
  EXPECT_STREQ(ParseSetupFile(whole)->header.systemId, "CED01092");
  EXPECT_EQ(ParseSetupFile(whole)->setupBytes.size(), 482U);
  std::string brokenLine = whole;
  brokenLine[7] = 'x';
  std::string noCount = whole;
  noCount.replace(0, 6, "  abc ");
  EXPECT_EQ(ParseSetupFile(whole + "\x1a")->setupBytes, whole.substr(kSetupFileHeaderSize));
  for (const std::string& damaged : {whole.substr(0, whole.size() - 1), whole.substr(0, 50), brokenLine,
                                     noCount, std::string()}) {
    EXPECT_FALSE(ParseSetupFile(damaged)) << damaged.size();
  }
}

TEST(SetupFileFormat, IdentityLinesMayDifferButNotTheKindOfAnalyzer) {
  HardwareSetupStruct other = CedarSetup();
  std::strcpy(other.systemId, "OTHER");
  std::strcpy(other.serialNumber, "X1");
  std::strcpy(other.firmwareVersion, "V6.00");
  EXPECT_TRUE(SetupFileFits(other, CedarSetup()));
  for (auto change : {+[](HardwareSetupStruct& h) { h.setupCount[0] = '9'; },
                      +[](HardwareSetupStruct& h) { h.line3[0] = '9'; },
                      +[](HardwareSetupStruct& h) { h.line8[0] = '9'; },
                      +[](HardwareSetupStruct& h) { h.options[3] = '1'; }}) {
    HardwareSetupStruct changed = other;
    change(changed);
    EXPECT_FALSE(SetupFileFits(changed, CedarSetup()));
  }
}

class SetupFileTest : public AnalyzerTalvinetTest {
 protected:
  void SetUp() override {
    Open();
    path = (fs::temp_directory_path() / ("setup-" + std::to_string(::getpid()) + ".set")).string();
  }
  void TearDown() override { fs::remove(path); }
  std::string FileText() {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<uint8_t>& Values(int id) { return Virtual().State().settings.setups.stored[id].values; }
  std::string path;
};

TEST_F(SetupFileTest, ASavedSetupLoadsBackIntoAnotherSetup) {
  ASSERT_EQ(SaveSetupFile(analyzer, 1, path, 1), SetupFileResult::kDone);
  const std::string text = FileText();
  EXPECT_EQ(text.substr(0, kSetupFileHeaderSize), kCedarHeader);
  EXPECT_EQ(text.size(), kSetupFileHeaderSize + 482);
  EXPECT_EQ(text.substr(kSetupFileHeaderSize, 6), "031038");
  ASSERT_EQ(LoadSetupFile(analyzer, 6, path, 1), SetupFileResult::kDone);
  EXPECT_EQ(Values(6), Values(1));
  EXPECT_TRUE(Virtual().State().settings.setups.stored[6].used);
}

TEST_F(SetupFileTest, RefusedFilesSendNoSetupBytes) {
  ASSERT_EQ(SaveSetupFile(analyzer, 1, path, 0), SetupFileResult::kDone);
  Virtual().State().identity.SetOption(simanalyzer::option::k30, true);
  line.ClearWritten();
  EXPECT_EQ(LoadSetupFile(analyzer, 6, path, 0), SetupFileResult::kIncompatible);
  EXPECT_EQ(line.Written(), "QHS\r\n\x11");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << kCedarHeader << "001\r\n";
  line.ClearWritten();
  EXPECT_EQ(LoadSetupFile(analyzer, 6, path, 0), SetupFileResult::kDamaged);
  EXPECT_EQ(line.Written(), "");
  EXPECT_EQ(LoadSetupFile(analyzer, 6, path + ".missing", 0), SetupFileResult::kNotReadable);
}

// Files that passed through other tools may end in an end-of-file mark or a
// line end: only the setup's own bytes go to the analyzer.
TEST_F(SetupFileTest, TrailingBytesAreNotSent) {
  ASSERT_EQ(SaveSetupFile(analyzer, 1, path, 0), SetupFileResult::kDone);
  const std::string saved = FileText();
  for (const std::string& trailer : {std::string("\x1a"), std::string("\r\n\x1a~~")}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << saved << trailer;
    Values(6).clear();
    line.ClearWritten();
    ASSERT_EQ(LoadSetupFile(analyzer, 6, path, 0), SetupFileResult::kDone) << trailer.size();
    EXPECT_EQ(Values(6), Values(1));
    EXPECT_TRUE(line.Written().ends_with("SB 6\r\n" + saved.substr(kSetupFileHeaderSize))) << line.Written();
  }
}

TEST_F(SetupFileTest, AFailedDownloadLeavesTheOldFile) {
  std::ofstream(path) << "old";
  Faults().failCommand = "QSB";
  EXPECT_EQ(SaveSetupFile(analyzer, 1, path, 0), SetupFileResult::kAnalyzerSilent);
  EXPECT_EQ(FileText(), "old");
  EXPECT_EQ(SaveSetupFile(analyzer, 1, "/nonexistent/folder/x.set", 0), SetupFileResult::kAnalyzerSilent);
  Faults().failCommand.clear();
  EXPECT_EQ(SaveSetupFile(analyzer, 1, "/nonexistent/folder/x.set", 0), SetupFileResult::kNotWritten);
}

}  // namespace
}  // namespace talvinet::testing
