#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

class BinaryDumpsTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }
  char buffer[16];
};

TEST_F(BinaryDumpsTest, BytesAreStoredUpToAndIncludingCrLf) {
  line.Answer("QBD\r\n\x11", std::string("\x00\x01\r\xFF\r\nrest", 10));
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(analyzer.GetBinaryDump(buffer, sizeof buffer, 0), 1);
  EXPECT_EQ(std::string(buffer, 8), std::string("\x00\x01\r\xFF\r\n\x00\x00", 8));
}

TEST_F(BinaryDumpsTest, TheBufferLengthEndsALongDump) {
  line.Answer("QBB\r\n\x11", "0123456789ABCDEFGHIJ");
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(analyzer.GetBinaryBufferedDump(buffer, 4, 1), 1);
  EXPECT_EQ(std::string(buffer, 5), "0123#");
  EXPECT_EQ(line.Written(), "\x12QBB\r\n\x11\x17");
}

TEST_F(BinaryDumpsTest, TheDumpQueriesWaitLongerForADeodar) {
  line.Answer("QBD\r\n\x11", "\r\n");
  EXPECT_EQ(MillisecondsTaken([&] { analyzer.GetBinaryDump(buffer, sizeof buffer, 0); }), 10);
  analyzer.modelClass = 3;
  line.Answer("QBD\r\n\x11", "\r\n");
  EXPECT_EQ(MillisecondsTaken([&] { analyzer.GetBinaryDump(buffer, sizeof buffer, 0); }), 100);
}

TEST_F(BinaryDumpsTest, ASilentAnalyzerGivesAnEmptyDump) {
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(analyzer.GetBinaryDump(buffer, sizeof buffer, 0), 1);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
}

TEST_F(BinaryDumpsTest, NoBufferOrNoLengthAsksNothing) {
  EXPECT_EQ(analyzer.GetBinaryDump(nullptr, 4, 1), 0);
  EXPECT_EQ(analyzer.GetBinaryBufferedDump(buffer, 0, 1), 0);
  EXPECT_EQ(line.Written(), "");
}

}  // namespace
}  // namespace talvinet::testing
