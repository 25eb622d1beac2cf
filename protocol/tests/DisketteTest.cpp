#include <gtest/gtest.h>

#include <string>

#include "AnalyzerTalvinetFixture.h"

namespace talvinet::testing {
namespace {

class DisketteTest : public AnalyzerTalvinetTest {
 protected:
  simanalyzer::Diskette& Diskette() { return Virtual().State().diskette; }
};

TEST_F(DisketteTest, OpeningReturnsTheAnalyzerDiskStatus) {
  Open();
  EXPECT_EQ(analyzer.DiskOpen(1), 1);
  EXPECT_EQ(line.Written(), "\x12" "DO\r\n;QER\r\n\x11" "QDO\r\n\x11" "\x17");
  Diskette().inserted = false;
  Diskette().open = false;
  EXPECT_EQ(analyzer.DiskOpen(0), 0);
}

TEST_F(DisketteTest, ClosingSendsTwoLettersAndWaits) {
  Open();
  ASSERT_EQ(analyzer.DiskOpen(0), 1);
  line.ClearWritten();
  EXPECT_GE(MillisecondsTaken([&] { EXPECT_EQ(analyzer.DiskClose(0), 1); }), 1400);
  EXPECT_EQ(line.Written(), "DX");
  EXPECT_EQ(analyzer.DiskOpen(0), 1);
  EXPECT_TRUE(Diskette().open);
}

TEST_F(DisketteTest, SavingStoresTheCurrentFileBetweenOpenAndClose) {
  Open();
  line.ClearWritten();
  EXPECT_EQ(analyzer.SaveToDisk(0), 1);
  EXPECT_EQ(line.Written(), "DO\r\n;QER\r\n\x11QDO\r\n\x11" "DS\r\n;QER\r\n\x11" "DX");
  EXPECT_NE(Diskette().files.Find("SURVEY"), nullptr);
  // "DX" has no line end: the analyzer takes the host's silence as one.
  Virtual().HostPaused();
  EXPECT_FALSE(Diskette().open);
}

TEST_F(DisketteTest, WithoutADisketteNothingIsSavedButTheDisketteIsClosed) {
  Diskette().inserted = false;
  Open();
  line.ClearWritten();
  EXPECT_EQ(analyzer.SaveToDisk(0), 0);
  EXPECT_EQ(line.Written(), "DO\r\n;QER\r\n\x11QDO\r\n\x11" "DX");
}

TEST_F(DisketteTest, RecallPadsTheNameAndDeleteSendsItAsGiven) {
  Diskette().files.Put(simanalyzer::NewFile("OLD", 0));
  Open();
  line.ClearWritten();
  EXPECT_EQ(analyzer.RecallFromDisk("OLD", 0), 1);
  EXPECT_NE(line.Written().find("DR 'OLD     '\r\n"), std::string::npos);
  EXPECT_NE(Virtual().State().store.Memory().Find("OLD"), nullptr);
  line.ClearWritten();
  EXPECT_EQ(analyzer.DeleteDiskFile("OLD", 1), 1);
  EXPECT_NE(line.Written().find("DE 'OLD'\r\n"), std::string::npos);
  EXPECT_EQ(Diskette().files.Find("OLD"), nullptr);
}

}  // namespace
}  // namespace talvinet::testing
