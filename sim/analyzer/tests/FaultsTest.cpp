#include "simanalyzer/Faults.h"

#include <gtest/gtest.h>

#include "AnalyzerFixture.h"

namespace simanalyzer {
namespace {

using testing::AnalyzerWithFiles;
using testing::Command;
using testing::Exchange;
using testing::Query;

TEST(FaultsTest, GoesSilentAfterSomeBytes) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().silentAfterBytes = 12;
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SURVEY  \r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SU");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "");
  EXPECT_EQ(Exchange(analyzer, Command("FS 'Empty'")), "");
  analyzer.Misbehaviour().silentAfterBytes.reset();
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "Empty   \r\n") << "commands were still obeyed";
}

TEST(FaultsTest, DropsOneLineOfAReply) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().dropLineOf = "QHS";
  analyzer.Misbehaviour().droppedLineIndex = 9;
  const std::string reply = Exchange(analyzer, Query("QHS"));
  EXPECT_EQ(std::count(reply.begin(), reply.end(), '\n'), 9);
  EXPECT_EQ(reply.find(analyzer.State().identity.serialNumber), std::string::npos);
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SURVEY  \r\n") << "other replies are whole";
}

TEST(FaultsTest, DropsTheErrorCodeLine) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().dropLineOf = "QER";
  EXPECT_EQ(Exchange(analyzer, Command("FS 'Empty'")), "");
}

TEST(FaultsTest, AnswersAnErrorCodeInsteadOfObeying) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().failCommand = "FS";
  analyzer.Misbehaviour().failCode = 42;
  EXPECT_EQ(Exchange(analyzer, Command("FS 'Empty'")), "42\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QFS")), "SURVEY  \r\n");
  analyzer.Misbehaviour().failCommand = "QRLR";
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1") + Query("QER")), "42\r\n") << "a failing query replies nothing";
}

TEST(FaultsTest, ShortRecordData) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().recordDataShortBy = 100;
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), "300\r\n");
  EXPECT_EQ(Exchange(analyzer, Query("QRR 1,1")).size(), 200u);
  EXPECT_EQ(Exchange(analyzer, Query("QRR 1,2")), "") << "a record shorter than the cut sends nothing";
}

TEST(FaultsTest, NonNumericRecordSize) {
  VirtualAnalyzer analyzer = AnalyzerWithFiles();
  analyzer.Misbehaviour().nonNumericRecordSize = true;
  EXPECT_EQ(Exchange(analyzer, Query("QRLR 1,1")), "SIZE?\r\n");
}

TEST(FaultsTest, FewerListingLinesThanAnnounced) {
  struct Case {
    const char* query;
    std::size_t missing;
    const char* expected;
  };
  const Case cases[] = {
      {"QFD", 1, "2\r\nEmpty     01/02/03  04:05:06  0\r\n"},
      {"QFD", 5, "2\r\n"},
      {"QRD", 2, "3\r\n1       1       Normal      300 bytes\r\n"},
  };
  for (const Case& c : cases) {
    VirtualAnalyzer analyzer = AnalyzerWithFiles();
    analyzer.Misbehaviour().listingLinesMissing = c.missing;
    EXPECT_EQ(Exchange(analyzer, Query(c.query)), c.expected) << c.query << " missing " << c.missing;
  }
}

}  // namespace
}  // namespace simanalyzer
