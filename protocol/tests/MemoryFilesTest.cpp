#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AnalyzerTalvinetFixture.h"

namespace talvinet::testing {
namespace {

class MemoryFilesTest : public AnalyzerTalvinetTest {
 protected:
  std::string CurrentFile() {
    char name[64] = {};
    EXPECT_EQ(analyzer.GetCurrentFile(name, sizeof name, 0), 1);
    return name;
  }
  simanalyzer::FileList& Memory() { return Virtual().State().store.Memory(); }
};

TEST_F(MemoryFilesTest, TheCurrentFileNameIsCutToTheRoomGiven) {
  Open();
  char name[8];
  std::memset(name, '#', sizeof name);
  EXPECT_EQ(analyzer.GetCurrentFile(name, 4, 1), 1);
  EXPECT_STREQ(name, "SUR");
  EXPECT_EQ(name[4], '#');
  EXPECT_EQ(CurrentFile(), "SURVEY  ");
  EXPECT_EQ(analyzer.GetCurrentFile(nullptr, 4, 1), 0);
  EXPECT_EQ(analyzer.GetCurrentFile(name, 0, 1), 0);
}

TEST_F(MemoryFilesTest, SelectingSendsTheCommandTwiceAndChecksTheNameBack) {
  Open();
  line.ClearWritten();
  long long taken = 0;
  taken = MillisecondsTaken([&] { EXPECT_EQ(analyzer.SetCurrentFile("EMPTY   ", 1), 1); });
  EXPECT_GE(taken, 1000 + 300);
  EXPECT_EQ(line.Written(), "\x12" "FS 'EMPTY   '\r\n;QER\r\n\x11" "FS 'EMPTY   '\r\n;QER\r\n\x11" "QFS\r\n\x11" "\x17");
  EXPECT_EQ(CurrentFile(), "EMPTY   ");
}

TEST_F(MemoryFilesTest, SelectingFailsUnlessTheNameComesBackExactly) {
  Open();
  for (const char* name : {"empty   ", "EMPTY", "NOSUCH  "}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(analyzer.SetCurrentFile(name, 0), 0);
  }
}

TEST_F(MemoryFilesTest, CreatingPadsOrCutsTheNameToEightCharacters) {
  Open();
  struct CreateCase {
    const char* name;
    const char* created;
  };
  for (const CreateCase& c : {CreateCase{"NOISE_1", "NOISE_1 "}, CreateCase{"ABCDEFGHIJ", "ABCDEFGH"},
                              CreateCase{"exactly8", "EXACTLY8"}}) {
    SCOPED_TRACE(c.name);
    line.ClearWritten();
    EXPECT_EQ(analyzer.CreateMemoryFile(c.name, 0), 1);
    EXPECT_NE(Memory().Find(c.created), nullptr);
    const std::string padded = (std::string(c.name) + "        ").substr(0, 8);
    EXPECT_EQ(line.Written().substr(0, 15), "FC '" + padded + "'\r\n");
  }
}

TEST_F(MemoryFilesTest, CreatingFailsWhenTheAnalyzerKeepsAnotherFileCurrent) {
  Open();
  Virtual().State().store.Memory().Files().clear();
  for (int i = 0; i < 32; ++i) Virtual().State().store.Add(simanalyzer::NewFile("F" + std::to_string(i), 0));
  EXPECT_EQ(analyzer.CreateMemoryFile("ONEMORE", 0), 0);
  EXPECT_EQ(Memory().Find("ONEMORE"), nullptr);
}

TEST_F(MemoryFilesTest, DeletingSelectsErasesAndSeesAnotherFileCurrent) {
  Open();
  EXPECT_EQ(analyzer.DeleteMemoryFile("EMPTY   ", 1), 1);
  EXPECT_EQ(Memory().Find("EMPTY"), nullptr);
  EXPECT_EQ(analyzer.DeleteMemoryFile("SURVEY  ", 1), 1);
  EXPECT_TRUE(Memory().Files().empty());
}

TEST_F(MemoryFilesTest, DeletingFailsWhenTheFileCannotBeSelectedOrStaysCurrent) {
  Open();
  EXPECT_EQ(analyzer.DeleteMemoryFile("NOSUCH  ", 0), 0);
  Faults().failCommand = "FE";
  Faults().failCode = 3;
  EXPECT_EQ(analyzer.DeleteMemoryFile("SURVEY  ", 0), 0);
  EXPECT_NE(Memory().Find("SURVEY"), nullptr);
}

TEST_F(MemoryFilesTest, DeletingIsNotReportedWhenTheAnalyzerFallsSilentAfterErasing) {
  Open();
  ASSERT_EQ(analyzer.SetCurrentFile("SURVEY  ", 0), 1);
  line.ClearWritten();
  Faults().failCommand = "QFS";
  EXPECT_EQ(analyzer.DeleteMemoryFile("SURVEY  ", 0), 0);
}

TEST_F(MemoryFilesTest, StoringAndDeletingRecordsActOnTheCurrentFile) {
  Open();
  line.ClearWritten();
  EXPECT_EQ(analyzer.StoreFile(0), 1);
  EXPECT_EQ(analyzer.DeleteRecord(1, 2, 0), 1);
  EXPECT_EQ(line.Written(), "ST\r\n;QER\r\n\x11RE 1,2\r\n;QER\r\n\x11");
  const simanalyzer::MemoryFile* survey = Memory().Find("SURVEY");
  ASSERT_NE(survey, nullptr);
  ASSERT_EQ(survey->records.size(), 3u);
  EXPECT_EQ(survey->records[2].bytes, Virtual().State().measurement.bytes);
}

TEST_F(MemoryFilesTest, NamesThatWouldBreakTheCommandAreNeverSent) {
  Open();
  line.ClearWritten();
  for (const char* name : {"A'B", "A;FE", "A\r\nFE", "A\x11"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(analyzer.SetCurrentFile(name, 1), 0);
    EXPECT_EQ(analyzer.CreateMemoryFile(name, 1), 0);
    EXPECT_EQ(analyzer.DeleteMemoryFile(name, 0), 0);
    EXPECT_EQ(analyzer.RecallFromDisk(name, 1), 0);
    EXPECT_EQ(analyzer.DeleteDiskFile(name, 1), 0);
  }
  EXPECT_EQ(line.Written(), "");
  EXPECT_EQ(analyzer.SetCurrentFile(std::string(300, 'A').c_str(), 0), 0);
  EXPECT_EQ(analyzer.SetCurrentFile(nullptr, 0) + analyzer.CreateMemoryFile(nullptr, 0) +
                analyzer.DeleteMemoryFile(nullptr, 0),
            0);
  EXPECT_EQ(line.Written(), "");
}

}  // namespace
}  // namespace talvinet::testing
