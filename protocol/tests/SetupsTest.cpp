#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

constexpr char kSetupLines[] =
    "8\r\n"
    "FACTORY 1 1\r\nOCTAVE  1 0\r\nNARROW  1 0\r\nTOO LONG A LINE\r\n"
    "        0 0\r\n        0 0\r\n        0 0\r\nLAST    0 0\r\n";

class SetupsTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }
  SetupStruct setups{};
};

TEST_F(SetupsTest, TheReplyFillsNamesAndFlagsFromLinesOfTheirLength) {
  line.Answer("QSF\r\n\x11", kSetupLines);
  ASSERT_EQ(analyzer.GetSetupInfo(&setups, 0), 1);
  EXPECT_STREQ(setups.setupName[0], "FACTORY");
  EXPECT_STREQ(setups.setupName[1], "OCTAVE ");
  EXPECT_STREQ(setups.setupName[3], "");
  EXPECT_STREQ(setups.setupName[7], "LAST   ");
  EXPECT_EQ(setups.setupBoot[0], 1);
  EXPECT_EQ(setups.setupUsed[2], 1);
  EXPECT_EQ(setups.setupUsed[4], 0);
  line.Answer("QSF\r\n\x11", "7\r\n" + std::string(kSetupLines + 3));
  EXPECT_EQ(analyzer.GetSetupInfo(&setups, 0), 0);
}

TEST_F(SetupsTest, NamesAreCutToSevenInTheCallersBuffer) {
  char name[] = "ABCDEFGHI";
  EXPECT_EQ(analyzer.StoreSetupConfiguration(2, name, 0), 1);
  EXPECT_STREQ(name, "ABCDEFG");
  EXPECT_EQ(analyzer.SetBootConfiguration(4, nullptr, 0), 1);
  EXPECT_EQ(line.Written(), "SES 2,'ABCDEFG'\r\n;QER\r\n\x11SE 4\r\n;QER\r\n\x11");
}

TEST_F(SetupsTest, RenamingGoesThroughTheBootCommandAndRestoresTheBootSetup) {
  line.Answer("QSF\r\n\x11", kSetupLines);
  char name[] = "NOISE";
  EXPECT_EQ(analyzer.SetSetupName(5, name, 0), 1);
  EXPECT_EQ(line.Written(), "QSF\r\n\x11SE 5,'NOISE'\r\n;QER\r\n\x11SE 0\r\n;QER\r\n\x11");
}

TEST_F(SetupsTest, SetupBytesMustComeWholeAndStayInTheirBuffer) {
  char data[12];
  std::memset(data, '#', sizeof data);
  line.Answer("QSB 3\r\n\x11", "3\r\n001002003\r\n");
  EXPECT_EQ(analyzer.GetSetupBytes(3, data, 11, 0), 1);
  EXPECT_EQ(std::string(data, 11), "001002003\r\n");
  EXPECT_EQ(data[11], '#');
  line.Answer("QSB 3\r\n\x11", "3\r\n001002003004\r\n");
  EXPECT_EQ(analyzer.GetSetupBytes(3, data, 11, 0), 1);
  EXPECT_EQ(data[11], '#');
  line.Answer("QSB 3\r\n\x11", "3\r\n0010\r\n");
  EXPECT_EQ(analyzer.GetSetupBytes(3, data, 11, 0), 0);
}

TEST_F(SetupsTest, SendingSetupBytesReportsAFailedSend) {
  EXPECT_EQ(analyzer.SetSetupBytes(3, "001\r\n", 5, 0), 1);
  EXPECT_EQ(line.Written(), "SB 3\r\n001\r\n");
  line.failWrites = true;
  EXPECT_EQ(analyzer.SetSetupBytes(3, "001\r\n", 5, 0), 0);
  EXPECT_NE(analyzer.GetErrno(), 0);
}

}  // namespace
}  // namespace talvinet::testing
