#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

class GenericCommandTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }

  // Runs the command into a result of `length` bytes guarded by sentinels.
  std::string Run(const char* text, int length, int& succeeded, int remote = 0) {
    std::memset(area, '#', sizeof area);
    succeeded = analyzer.SendGenericCommand(text, area + kGuard, length, remote);
    for (int i = 0; i < kGuard; ++i) EXPECT_EQ(area[i], '#') << "written before the result";
    for (std::size_t i = kGuard + static_cast<std::size_t>(length); i < sizeof area; ++i) {
      EXPECT_EQ(area[i], '#') << "written past the result at " << i - kGuard;
    }
    return std::string(area + kGuard);
  }

  static constexpr int kGuard = 8;
  char area[1024];
};

TEST_F(GenericCommandTest, QueriesCollectTheirReplyLinesSeparatedByTabs) {
  const struct {
    const char* text;
    const char* reply;
    const char* result;
  } cases[] = {
      {"QSM\r\n", "   12.5 dB\r\n", "12.5 dB\t"},
      {"qhs\r\n", "one\r\ntwo\r\n", "one\t"},
      {"QCL\r\n", "a\r\nb\r\nc\r\nd\r\n", "a\tb\tc\t"},
      {"QRD\r\n", "2\r\nA\r\nB\r\nC\r\n", "2\tA\tB\t"},
      {"QKE *\r\n", "1 START\r\n2 STOP\r\n\r\n3 LATE\r\n", "1 START\t2 STOP\t"},
      {"QCL\r\n", "a\r\n\r\nc\r\n", "a\t\tc\t"},
  };
  for (const auto& c : cases) {
    line.Answer(std::string(c.text) + "\x11", c.reply);
    int succeeded = 0;
    EXPECT_EQ(Run(c.text, 512, succeeded), c.result) << c.text;
    EXPECT_EQ(succeeded, 1) << c.text;
  }
}

TEST_F(GenericCommandTest, CommandsReturnTheCommandResultAndAnEmptyText) {
  line.Answer("\x11", "0\r\n");
  int succeeded = 0;
  EXPECT_EQ(Run("RN\r\n", 64, succeeded, 1), "");
  EXPECT_EQ(succeeded, 1);
  EXPECT_EQ(line.Written(), "\x12RN\r\n;QER\r\n\x11\x17");
}

TEST_F(GenericCommandTest, AQueryThatWasSentSucceedsEvenWithoutAReply) {
  int succeeded = 0;
  EXPECT_EQ(Run("QSM\r\n", 64, succeeded), "");
  EXPECT_EQ(succeeded, 1);
}

TEST_F(GenericCommandTest, TheResultNeverGrowsPastItsLength) {
  const struct {
    const char* text;
    const char* reply;
    int length;
    const char* result;
  } cases[] = {
      {"QCL\r\n", "abcdefghi\r\nxy\r\n", 10, ""},             // 11 bytes received: nothing fits
      {"QCL\r\n", "abcd\r\nxy\r\nz\r\n", 10, "abcd\t"},        // second line brings the total to 10
      {"QCL\r\n", "abcdefghi", 10, "abcdefghi"},             // no line end: no room left for the TAB
      {"QRD\r\n", "3\r\nAAAAAAAA\r\nB\r\nC\r\n", 8, "3\t"},
      {"QKE *\r\n", "abcdef\r\nxyz\r\n\r\n", 12, "abcdef\t"},
      {"QSM\r\n", "x\r\n", 1, ""},
  };
  for (const auto& c : cases) {
    line.Answer(std::string(c.text) + "\x11", c.reply);
    int succeeded = 0;
    EXPECT_EQ(Run(c.text, c.length, succeeded), c.result) << c.reply;
  }
}

TEST_F(GenericCommandTest, AnAnnouncedCountEndsWithTheFirstSilentRead) {
  line.Answer("QRD\r\n\x11", "999999999\r\nA\r\n");
  int succeeded = 0;
  std::string result;
  const long long taken = MillisecondsTaken([&] { result = Run("QRD\r\n", 512, succeeded); });
  EXPECT_EQ(result, "999999999\tA\t");
  EXPECT_LE(taken, 10000);
}

TEST_F(GenericCommandTest, RefusesMissingArgumentsWithoutSending) {
  char result[4] = "abc";
  EXPECT_EQ(analyzer.SendGenericCommand(nullptr, result, 4, 0), 0);
  EXPECT_EQ(analyzer.SendGenericCommand("QSM\r\n", nullptr, 4, 0), 0);
  EXPECT_EQ(analyzer.SendGenericCommand("QSM\r\n", result, 0, 0), 0);
  EXPECT_STREQ(result, "abc");
  EXPECT_EQ(line.Written(), "");
}

TEST_F(GenericCommandTest, ErrorCodeQueryReadsTheAnalyzersCode) {
  line.Answer("QER\r\n\x11", "-3\r\n");
  int code = 99;
  EXPECT_EQ(analyzer.GetErrorCode(&code, 1), 1);
  EXPECT_EQ(code, -3);
  EXPECT_EQ(line.Written(), "\x12QER\r\n\x11\x17");
  code = 99;
  EXPECT_EQ(analyzer.GetErrorCode(&code, 0), 0);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(analyzer.GetErrorCode(nullptr, 0), 0);
}

}  // namespace
}  // namespace talvinet::testing
