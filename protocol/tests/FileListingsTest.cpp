#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AnalyzerTalvinetFixture.h"
#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

class FileListingsTest : public AnalyzerTalvinetTest {
 protected:
  std::vector<FileStruct> ListMemoryFiles(int& count) {
    EXPECT_EQ(analyzer.GetMemoryFileCount(&count, 1), 1);
    std::vector<FileStruct> files(static_cast<std::size_t>(count));
    std::memset(files.data(), '#', files.size() * sizeof(FileStruct));
    EXPECT_EQ(analyzer.GetFiles(files.data(), count), 1);
    return files;
  }
};

TEST_F(FileListingsTest, MemoryFilesAreListedByColumns) {
  Open();
  int count = 0;
  const std::vector<FileStruct> files = ListMemoryFiles(count);
  ASSERT_EQ(count, 2);
  EXPECT_STREQ(files[0].name, "EMPTY   ");
  EXPECT_STREQ(files[0].column10Text, "01/02/03");
  EXPECT_STREQ(files[0].column20Text, "04:05:06");
  EXPECT_EQ(files[0].column30Value, 0);
  EXPECT_STREQ(files[1].name, "SURVEY  ");
  EXPECT_EQ(files[1].column30Value, 3);
  EXPECT_EQ(line.Written(), "\x12QFD\r\n\x11\x17");
}

TEST_F(FileListingsTest, RecordsOfTheCurrentFileAreListedByColumns) {
  Open();
  int count = 0;
  ASSERT_EQ(analyzer.GetRecordCount(&count, 0), 1);
  ASSERT_EQ(count, 3);
  std::vector<RecordStruct> records(3);
  std::memset(records.data(), '#', records.size() * sizeof(RecordStruct));
  ASSERT_EQ(analyzer.GetRecords(records.data(), count), 1);
  struct Expected {
    int type, number;
    const char* name;
    const char* info;
  };
  const Expected expected[] = {{1, 1, "Normal     ", "300 bytes"}, {2, 1, "Leq        ", "256 bytes"},
                               {1, 2, "Normal     ", "0 bytes"}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(records[i].type, expected[i].type);
    EXPECT_EQ(records[i].number, expected[i].number);
    EXPECT_STREQ(records[i].name, expected[i].name);
    EXPECT_STREQ(records[i].info, expected[i].info);
    EXPECT_EQ(records[i].size, 0);
    EXPECT_EQ(records[i].units, 0);
  }
}

// b is the baud rate over 8; the memory and record waits are computed in
// floating point, the disk wait in whole numbers.
TEST_F(FileListingsTest, CountsWaitForTheirListingToArrive) {
  for (int i = 0; i < 40; ++i) {
    Virtual().State().diskette.files.Put(simanalyzer::NewFile("DISK" + std::to_string(i), 0));
  }
  Open(9600);
  struct CountCase {
    const char* what;
    int (Talvinet::*count)(int*, int);
    int expectedCount;
    long long expectedMs;
  };
  const CountCase cases[] = {
      {"memory", &Talvinet::GetMemoryFileCount, 2, 150 + 79},       // 2 x 34 / 1200 x 1400 = 79.3
      {"disk", &Talvinet::GetDiskFileCount, 40, 150 + 1400},        // (1360 div 1200) x 1400
      {"records", &Talvinet::GetRecordCount, 3, 150 + 500 + 425},  // 3 x 100 / 1200 x 1700
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.what);
    int count = -1;
    EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ((analyzer.*c.count)(&count, 0), 1); }), c.expectedMs);
    EXPECT_EQ(count, c.expectedCount);
  }
}

TEST_F(FileListingsTest, AListingShorterThanItsCountFailsAfterOneTimeOut) {
  Open();
  Faults().listingLinesMissing = 1;
  int count = 0;
  ASSERT_EQ(analyzer.GetMemoryFileCount(&count, 0), 1);
  ASSERT_EQ(count, 2);
  FileStruct files[2];
  std::memset(files, 0, sizeof files);
  int result = -1;
  EXPECT_LE(MillisecondsTaken([&] { result = analyzer.GetFiles(files, count); }), 4000);
  EXPECT_EQ(result, 0);
  EXPECT_STREQ(files[0].name, "EMPTY   ");
}

TEST_F(FileListingsTest, ARecordListingShorterThanItsCountFails) {
  Open();
  Faults().listingLinesMissing = 2;
  int count = 0;
  ASSERT_EQ(analyzer.GetRecordCount(&count, 0), 1);
  std::vector<RecordStruct> records(static_cast<std::size_t>(count));
  EXPECT_EQ(analyzer.GetRecords(records.data(), count), 0);
}

TEST_F(FileListingsTest, MissingPointersAndCountsAskNothing) {
  Open();
  FileStruct file{};
  RecordStruct record{};
  EXPECT_EQ(analyzer.GetMemoryFileCount(nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetDiskFileCount(nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetRecordCount(nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetFiles(nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetFiles(&file, 0), 0);
  EXPECT_EQ(analyzer.GetRecords(nullptr, 1), 0);
  EXPECT_EQ(analyzer.GetRecords(&record, -1), 0);
  EXPECT_EQ(line.Written(), "");
}

class HostileListingTest : public ScriptedTalvinetTest {};

TEST_F(HostileListingTest, ACountThatNoListingCanHaveFailsWithoutWaiting) {
  OpenSerial();
  for (const char* reply : {"ABC\r\n", "-3\r\n", "70000\r\n", "\r\n", "99999999999999999999999\r\n",
                            "1       1       Normal      300 bytes\r\n"}) {
    SCOPED_TRACE(reply);
    line.Answer("QFD\r\n\x11", reply);
    int count = -1;
    int result = -1;
    EXPECT_LT(MillisecondsTaken([&] { result = analyzer.GetMemoryFileCount(&count, 0); }), 1000);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(count, 0);
  }
}

TEST_F(HostileListingTest, ARecordLineThatNamesNoRecordFailsTheListing) {
  OpenSerial();
  for (const char* badLine : {"xx      1       Normal      300 bytes\r\n", "300     1       Normal      300 bytes\r\n",
                              "1       0       Normal      300 bytes\r\n", "1\r\n"}) {
    SCOPED_TRACE(badLine);
    line.Arrive(std::string("1       1       Normal      12 bytes\r\n") + badLine);
    RecordStruct records[2] = {};
    EXPECT_EQ(analyzer.GetRecords(records, 2), 0);
    EXPECT_EQ(records[0].number, 1);
  }
}

TEST_F(HostileListingTest, ShortLinesGiveEmptyColumnsWithoutTheirLineEnd) {
  OpenSerial();
  line.Arrive("AB\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ0123\r\n");
  FileStruct files[2];
  std::memset(files, '#', sizeof files);
  ASSERT_EQ(analyzer.GetFiles(files, 2), 1);
  EXPECT_STREQ(files[0].name, "AB");
  EXPECT_STREQ(files[0].column10Text, "");
  EXPECT_STREQ(files[0].column20Text, "");
  EXPECT_EQ(files[0].column30Value, 0);
  EXPECT_STREQ(files[1].name, "ABCDEFGH");
  EXPECT_STREQ(files[1].column10Text, "KLMNOPQR");
  EXPECT_STREQ(files[1].column20Text, "UVWXYZ01");
  EXPECT_EQ(files[1].column30Value, 0);
}

}  // namespace
}  // namespace talvinet::testing
