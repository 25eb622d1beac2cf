#include "simanalyzer/VirtualAnalyzer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "AnalyzerFixture.h"
#include "simanalyzer/ErrorCodes.h"

namespace simanalyzer {
namespace {

using testing::AnalyzerWithFiles;
using testing::Command;
using testing::Exchange;
using testing::Query;

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(VirtualAnalyzerTest, CommandAnswersItsErrorCodeLine) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, "FS 'Empty'\r\n;QER\r\n\x11"), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "Empty   \r\n");
}

TEST(VirtualAnalyzerTest, RepliesWaitForTheEndOfQuery) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, "QFS\r\n"), "");
  EXPECT_EQ(Exchange(analyzer, "\x11"), "SURVEY  \r\n");
}

TEST(VirtualAnalyzerTest, ControlCodesSwitchModeAndEndAnOpenLine) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_FALSE(analyzer.State().remote);
  Exchange(analyzer, "\x12");
  EXPECT_TRUE(analyzer.State().remote);
  Exchange(analyzer, Command("DO"));
  EXPECT_TRUE(analyzer.State().diskette.open);
  // The disk-close command comes without a line end; local mode ends it.
  EXPECT_EQ(Exchange(analyzer, "DX\x17"), "");
  EXPECT_FALSE(analyzer.State().diskette.open);
  EXPECT_FALSE(analyzer.State().remote);
}

TEST(VirtualAnalyzerTest, ErrorCodesOfFailedCommands) {
  struct Case {
    const char* command;
    int code;
  };
  const Case cases[] = {
      {"XYZ", error::kUnknownCommand},   {"FS 'NOPE'", error::kNoSuchFile},   {"FS", error::kBadArgument},
      {"FS ''", error::kBadArgument},    {"FS 'OPEN", error::kBadArgument},   {"FC 'survey'", error::kFileExists},
      {"FC '   '", error::kBadArgument}, {"RE 9,9", error::kNoSuchRecord},    {"RE 1", error::kBadArgument},
      {"RE x,1", error::kBadArgument},   {"RE 256,1", error::kBadArgument},  {"RE 1,0", error::kNoSuchRecord},
      {"DS", error::kDisketteClosed},    {"DR 'A'", error::kDisketteClosed}, {"DE 'A'", error::kDisketteClosed},
      {"ZZ", error::kUnknownCommand},    {"123", error::kUnknownCommand},
  };
  for (const Case& c : cases) {
    VirtualAnalyzer analyzer = AnalyzerWithFiles();
    EXPECT_EQ(Exchange(analyzer, Command(c.command)), std::to_string(c.code) + "\r\n") << c.command;
    EXPECT_EQ(Exchange(analyzer, Query("QER")), "0\r\n") << "reading the code clears it, after " << c.command;
  }
}

TEST(VirtualAnalyzerTest, MnemonicsIgnoreCaseAndBlanks) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, "  qfs  \r\n\x11"), "SURVEY  \r\n");
  EXPECT_EQ(Exchange(analyzer, Command("fs 'empty'")), "0\r\n");
}

TEST(VirtualAnalyzerTest, SemicolonsSeparateCommandsButNotInsideNames) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, "FC 'A;B';QFS;QER\r\n\x11"), "A;B     \r\n0\r\n");
}

TEST(VirtualAnalyzerTest, OverlongLineIsNotObeyed) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  const std::string line = "FC 'NEW'" + std::string(VirtualAnalyzer::kMaximumLineLength, ' ');
  EXPECT_EQ(Exchange(analyzer, Command(line)), "2\r\n");
  EXPECT_EQ(analyzer.State().store.Memory().Find("NEW"), nullptr);
  EXPECT_EQ(Exchange(analyzer, Command("FS 'Empty'")), "0\r\n") << "the next line is heard again";
}

TEST(VirtualAnalyzerTest, IdentityLinesOfEachModel) {
  struct Case {
    Model model;
    const char* options;
  };
  const Case cases[] = {
      {Model::Alder, "000000000000000100000000"},
      {Model::Birch, "000000000000001000000000"},
      {Model::Cedar, "000000000000001100000001"},
      {Model::Deodar, "000000000000000000000001"},
  };
  for (const Case& c : cases) {
    VirtualAnalyzer analyzer(c.model);
    const Identity& id = analyzer.State().identity;
    const std::string expected = id.setupCount + "\r\n" + id.systemId + "\r\n2\r\nV5.20\r\n1\r\n0\r\n0\r\n0\r\n" +
                                 c.options + "\r\n" + id.serialNumber + "\r\n";
    EXPECT_EQ(Exchange(analyzer, Query("QHS")), expected) << ModelName(c.model);
    EXPECT_LE(id.systemId.size(), 8u);
    EXPECT_LE(id.serialNumber.size(), 11u);
  }
}

TEST(VirtualAnalyzerTest, OptionFlagsCanBeSet) {
  VirtualAnalyzer analyzer(Model::Birch);
  analyzer.State().identity.SetOption(option::k474849, true);
  analyzer.State().identity.SetOption(option::k30, true);
  analyzer.State().identity.SetOption(99, true);
  EXPECT_EQ(analyzer.State().identity.options, "000000000010001000001000");
}

TEST(VirtualAnalyzerTest, MemoryFileListing) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Query("QFD")),
            "2\r\n"
            "Empty     01/02/03  04:05:06  0\r\n"
            "SURVEY    03/14/98  09:26:53  3\r\n");
}

TEST(VirtualAnalyzerTest, RecordListingOfTheCurrentFile) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Query("QRD")),
            "3\r\n"
            "1       1       Normal      300 bytes\r\n"
            "2       1       Leq         12 bytes\r\n"
            "1       2       Normal      4 bytes\r\n");
  Exchange(analyzer, Command("FS 'Empty'"));
  EXPECT_EQ(Exchange(analyzer, Query("QRD")), "0\r\n");
}

TEST(VirtualAnalyzerTest, RecordSizesAndDataByTypeAndNumber) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  const MemoryFile survey = testing::SurveyFile();
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), "300\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 2,1")), "12\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,2")), "4\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,3")), "0\r\n");
  // Record data is sent raw: control codes and line ends inside it are data.
  EXPECT_EQ(Exchange(analyzer, Query("QRR 2,1")), Text(survey.records[1].bytes));
  EXPECT_EQ(Exchange(analyzer, Query("QRR 1,1")), Text(survey.records[0].bytes));
  EXPECT_EQ(Exchange(analyzer, Query("QRR 1,3")), "");
}

TEST(VirtualAnalyzerTest, CreateSelectAndEraseFiles) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Command("FC 'LongName10'")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "LongName\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("FS 'SURVEY  '")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("FS 'survey'")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SURVEY  \r\n") << "the stored capitals are reported";
  EXPECT_EQ(Exchange(analyzer, Command("FE")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "Empty   \r\n");
  EXPECT_EQ(Exchange(analyzer, Command("FE") + Command("FE")), "0\r\n0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "        \r\n");
  EXPECT_EQ(Exchange(analyzer, Command("FE")), "3\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFD")), "0\r\n");
}

TEST(VirtualAnalyzerTest, MemoryHoldsALimitedNumberOfFiles) {
  VirtualAnalyzer analyzer;
  for (std::size_t i = 0; i < kMaximumMemoryFiles; ++i) {
    ASSERT_EQ(Exchange(analyzer, Command("FC 'F" + std::to_string(i) + "'")), "0\r\n");
  }
  EXPECT_EQ(Exchange(analyzer, Command("FC 'ONEMORE'")), "7\r\n");
}

TEST(VirtualAnalyzerTest, DeletingARecordRenumbersItsType) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Command("RE 1,1")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), "4\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,2")), "0\r\n");
}

TEST(VirtualAnalyzerTest, StoreAddsTheMeasurementToTheCurrentFile) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  Exchange(analyzer, Command("FS 'Empty'"));
  EXPECT_EQ(Exchange(analyzer, Command("ST")), "0\r\n");
  const std::size_t size = analyzer.State().measurement.bytes.size();
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), std::to_string(size) + "\r\n");
}

TEST(VirtualAnalyzerTest, DisketteSaveListRecallAndDelete) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  EXPECT_EQ(Exchange(analyzer, Query("QDO")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("DO")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QDO")), "1\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("DS")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QDD")), "1\r\nSURVEY    03/14/98  09:26:53  3\r\n");
  Exchange(analyzer, Command("FE"));
  EXPECT_EQ(Exchange(analyzer, Command("DR 'SURVEY  '")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SURVEY  \r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), "300\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("DE 'survey'")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Command("DE 'survey'")), "3\r\n");
  EXPECT_EQ(Exchange(analyzer, "DX"), "");
  EXPECT_TRUE(analyzer.LineOpen());
  analyzer.HostPaused();
  EXPECT_FALSE(analyzer.LineOpen());
  EXPECT_EQ(Exchange(analyzer, Query("QDO")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QDD")), "0\r\n");
}

TEST(VirtualAnalyzerTest, NoDisketteInTheDrive) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.State().diskette.inserted = false;
  EXPECT_EQ(Exchange(analyzer, Command("DO")), "6\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QDO")), "0\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QDD")), "0\r\n");
}

TEST(VirtualAnalyzerTest, WakeUpIsAccepted) {
  VirtualAnalyzer analyzer;
  EXPECT_EQ(Exchange(analyzer, Command("DDDDD")), "0\r\n");
}

TEST(VirtualAnalyzerTest, TakeOutputHandsOutAtMostWhatIsAsked) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Receive(Query("QFS"));
  EXPECT_EQ(analyzer.PendingOutput(), 10u);
  EXPECT_EQ(Text(analyzer.TakeOutput(4)), "SURV");
  EXPECT_EQ(analyzer.TakeOutputText(), "EY  \r\n");
}

TEST(VirtualAnalyzerTest, RandomBytesNeverBreakIt) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int> byte(0, 255);
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  for (int round = 0; round < 2000; ++round) {
    std::string noise;
    for (int i = 0; i < 64; ++i) noise.push_back(static_cast<char>(byte(random)));
    analyzer.Receive(noise);
    analyzer.TakeOutput();
  }
  Exchange(analyzer, "\n\x11");
  EXPECT_EQ(Exchange(analyzer, Command("DDDDD")), "0\r\n");
}

// Hostile inputs kept in corpus/: each is heard whole, and the analyzer still
// answers a well-formed command afterwards.
TEST(VirtualAnalyzerTest, CorpusOfHostileInputs) {
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SIM_ANALYZER_CORPUS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    VirtualAnalyzer analyzer = AnalyzerWithFiles();
    analyzer.Receive(bytes);
    analyzer.HostPaused();
    EXPECT_LE(analyzer.PendingOutput(), 4096u) << entry.path();
    Exchange(analyzer, "\x11");
    EXPECT_EQ(Exchange(analyzer, Command("DDDDD")), "0\r\n") << entry.path();
    ++replayed;
  }
  EXPECT_GE(replayed, 5);
}

}  // namespace
}  // namespace simanalyzer
