#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "AnalyzerTalvinetFixture.h"
#include "morvane/Morvane.h"
#include "simanalyzer/VqbFiles.h"

namespace talvinet::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kCedarModelNumber = 2480;

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class RecordDownloadTest : public AnalyzerTalvinetTest {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("talvinet-download-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    destination = folder / "SURVEY.vqb";
  }
  void TearDown() override { fs::remove_all(folder); }

  int CopyFile(const char* name, const MessageHandler& progress = {}) {
    return analyzer.CopyFileToHardDrive(name, destination.c_str(), 1, progress, WM_DOWNLOAD_PROGRESS);
  }

  std::vector<std::string> FolderContents() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder;
  fs::path destination;
};

TEST_F(RecordDownloadTest, AMemoryFileBecomesTheBinaryDataFileItsRecordsCameFrom) {
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  line.ClearWritten();
  ASSERT_EQ(CopyFile("SURVEY  "), 1);
  EXPECT_EQ(FileBytes(destination), simanalyzer::VqbFileBytes(kCedarModelNumber, SurveyFile().records));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"SURVEY.vqb"});
  EXPECT_EQ(line.Written().front(), '\x12');
  EXPECT_EQ(line.Written().back(), '\x17');
}

// 300 bytes take 2 units with 212 zeros after them; 256 bytes take exactly
// one; an empty record takes none and adds no bytes.
TEST_F(RecordDownloadTest, EachRecordTakesWholeUnitsAndTheTranslatorFindsThemAll) {
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  ASSERT_EQ(CopyFile("SURVEY  "), 1);
  const std::vector<uint8_t> bytes = FileBytes(destination);
  ASSERT_EQ(bytes.size(), 36u + 2 + 3 * 3 + 512 + 256);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 36), "Vexlor-Quand 2480 binary data file.\x1A");
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 36, bytes.begin() + 47),
            (std::vector<uint8_t>{3, 0, 1, 2, 0, 2, 1, 0, 1, 0, 0}));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 47 + 300, bytes.begin() + 47 + 512), std::vector<uint8_t>(212, 0));

  Morvane file(destination.c_str());
  ASSERT_EQ(file.GetRecordCount(), 3);
  _RecordEntryTag entries[3] = {};
  ASSERT_EQ(file.GetRecordsInFile(entries), 1);
  EXPECT_EQ(entries[1].type, 2);
  EXPECT_STREQ(entries[1].name, "Leq");
  EXPECT_EQ(entries[2].number, 2);
}

TEST_F(RecordDownloadTest, TheHeaderNamesTheModelThatWasIdentified) {
  Virtual().State().identity = simanalyzer::IdentityFor(simanalyzer::Model::Deodar);
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  ASSERT_EQ(CopyFile("SURVEY  "), 1);
  const std::vector<uint8_t> bytes = FileBytes(destination);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 36), "Vexlor-Quand 2900 binary data file.\x1A");
}

TEST_F(RecordDownloadTest, ProgressCountsTheWholeFile) {
  line.bytesPerSecond = 200;
  Open();
  std::vector<std::pair<long, long>> progress;
  ASSERT_EQ(CopyFile("SURVEY  ",
                     [&](unsigned int message, long received, long total) {
                       EXPECT_EQ(message, 0x480u);
                       progress.emplace_back(received, total);
                       return 0L;
                     }),
            1);
  ASSERT_GE(progress.size(), 4u);
  for (const auto& [received, total] : progress) EXPECT_EQ(total, 556);
  EXPECT_EQ(progress.back().first, 556);
  EXPECT_EQ(analyzer.bytesExpected, 556u);
}

// Every way a download can go wrong: the result is 0, no partial file is
// left, and a file already at the destination keeps its bytes.
TEST_F(RecordDownloadTest, AFailedOrCancelledDownloadLeavesTheOldFileAlone) {
  struct FailureCase {
    const char* what;
    std::function<void(simanalyzer::Faults&)> misbehave;
    const char* name;
    long progressAnswer;
    DownloadStep step;  // reported by GetDownloadFailure
    int recordIndex;
  };
  const FailureCase cases[] = {
      {"record cut short", [](simanalyzer::Faults& f) { f.recordDataShortBy = 1; }, "SURVEY  ", 0,
       kDownloadRecordIncomplete, 0},
      {"size not a number", [](simanalyzer::Faults& f) { f.nonNumericRecordSize = true; }, "SURVEY  ", 0,
       kDownloadNoRecordSize, 0},
      {"listing cut short", [](simanalyzer::Faults& f) { f.listingLinesMissing = 1; }, "SURVEY  ", 0,
       kDownloadNoRecordList, -1},
      {"silent mid-record", [](simanalyzer::Faults& f) { f.silentAfterBytes = 400; }, "SURVEY  ", 0,
       kDownloadRecordIncomplete, 0},
      {"record data refused", [](simanalyzer::Faults& f) { f.failCommand = "QRR"; }, "SURVEY  ", 0,
       kDownloadRecordIncomplete, 0},
      {"cancelled", [](simanalyzer::Faults&) {}, "SURVEY  ", 1, kDownloadCancelled, 0},
      {"no such file", [](simanalyzer::Faults&) {}, "NOSUCH  ", 0, kDownloadNoSuchFile, -1},
      {"file without records", [](simanalyzer::Faults&) {}, "EMPTY   ", 0, kDownloadNoRecords, -1},
  };
  Open();
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    { std::ofstream(destination, std::ios::binary) << "old contents"; }
    Faults() = {};
    c.misbehave(Faults());
    int calls = 0;
    const int result = CopyFile(c.name, [&](unsigned int, long, long) {
      ++calls;
      return c.progressAnswer;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(analyzer.GetDownloadFailure().step, c.step);
    EXPECT_EQ(analyzer.GetDownloadFailure().recordIndex, c.recordIndex);
    if (c.progressAnswer != 0) {
      EXPECT_EQ(calls, 1);
    }
    const std::vector<uint8_t> old = FileBytes(destination);
    EXPECT_EQ(std::string(old.begin(), old.end()), "old contents");
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"SURVEY.vqb"});
  }
}

TEST_F(RecordDownloadTest, AFailedDownloadCreatesNoFile) {
  Open();
  Faults().recordDataShortBy = 1;
  EXPECT_EQ(CopyFile("SURVEY  "), 0);
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(RecordDownloadTest, ADestinationThatCannotBeWrittenFails) {
  Open();
  destination = folder / "missing" / "SURVEY.vqb";
  EXPECT_EQ(CopyFile("SURVEY  "), 0);
  EXPECT_EQ(analyzer.GetDownloadFailure().step, kDownloadDestination);
  EXPECT_EQ(analyzer.GetDownloadFailure().systemError, ENOENT);
  destination = folder;
  EXPECT_EQ(CopyFile("SURVEY  "), 0);
  EXPECT_EQ(analyzer.GetDownloadFailure().systemError, EISDIR);
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(RecordDownloadTest, OneRecordBecomesAFileOfOneRecord) {
  Open();
  ASSERT_EQ(analyzer.InitHardwareInfo(0), 1);
  ASSERT_EQ(analyzer.CopyRecordToHardDrive("SURVEY  ", destination.c_str(), 1, 2, 1), 1);
  EXPECT_EQ(FileBytes(destination), simanalyzer::VqbFileBytes(kCedarModelNumber, {SurveyFile().records[1]}));
}

TEST_F(RecordDownloadTest, AFailedRecordCopyLeavesTheOldFileAlone) {
  Open();
  { std::ofstream(destination, std::ios::binary) << "old contents"; }
  Faults().recordDataShortBy = 1;
  EXPECT_EQ(analyzer.CopyRecordToHardDrive("SURVEY  ", destination.c_str(), 0, 1, 1), 0);
  Faults() = {};
  EXPECT_EQ(analyzer.CopyRecordToHardDrive("SURVEY  ", destination.c_str(), 0, 256, 1), 0);
  EXPECT_EQ(analyzer.CopyRecordToHardDrive(nullptr, destination.c_str(), 0, 1, 1), 0);
  const std::vector<uint8_t> old = FileBytes(destination);
  EXPECT_EQ(std::string(old.begin(), old.end()), "old contents");
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"SURVEY.vqb"});
}

TEST_F(RecordDownloadTest, WriteWordWritesTheLowByteFirst) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(analyzer.WriteWord(file, 0x1A2B), 2u);
  EXPECT_EQ(analyzer.WriteWord(nullptr, 1), 0u);
  std::rewind(file);
  EXPECT_EQ(std::fgetc(file), 0x2B);
  EXPECT_EQ(std::fgetc(file), 0x1A);
  std::fclose(file);
}

}  // namespace
}  // namespace talvinet::testing
