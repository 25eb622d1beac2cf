#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TalvinetFixture.h"
#include "lintarra/PortAccess.h"
#include "sim/parallel/EmulatedAnalyzerPort.h"

namespace talvinet::testing {
namespace {

using CommandExchangeTest = ScriptedTalvinetTest;

TEST_F(CommandExchangeTest, CommandIsFramedWithTheErrorQueryAndXon) {
  OpenSerial();
  line.Answer("\x11", "0\r\n");
  EXPECT_EQ(analyzer.SendRTACommandString("RN\r\n"), 1);
  EXPECT_EQ(line.Written(), "RN\r\n;QER\r\n\x11");
  EXPECT_EQ(analyzer.GetErrno(), kStatusOk);
}

TEST_F(CommandExchangeTest, CommandWithoutAnErrorLineStillSucceeds) {
  OpenSerial();
  int result = 0;
  EXPECT_EQ(MillisecondsTaken([&] { result = analyzer.SendRTACommandString("RN\r\n"); }), 4000);
  EXPECT_EQ(result, 1);
}

TEST_F(CommandExchangeTest, NonZeroErrorCodesReachTheHostAsMessage0x401) {
  OpenSerial();
  std::vector<std::vector<long>> messages;
  analyzer.notifyWindow = [&](unsigned int message, long first, long second) {
    messages.push_back({static_cast<long>(message), first, second});
    return 0L;
  };
  const struct {
    const char* reply;
    int enabled;
    bool notified;
  } cases[] = {{"17\r\n", 1, true}, {"0\r\n", 1, false}, {"17\r\n", 0, false}, {"x\r\n", 1, false}};
  for (const auto& c : cases) {
    messages.clear();
    analyzer.notifyEnabled = c.enabled;
    line.Answer("\x11", c.reply);
    EXPECT_EQ(analyzer.SendRTACommandString("RN\r\n"), 1) << c.reply;
    if (c.notified) {
      EXPECT_EQ(messages, (std::vector<std::vector<long>>{{0x401, 17, 0}})) << c.reply;
    } else {
      EXPECT_TRUE(messages.empty()) << c.reply;
    }
  }
}

TEST_F(CommandExchangeTest, SlowLinesPauseBeforeTheErrorLine) {
  const struct {
    int baudRate;
    long long pause;
  } cases[] = {{1200, 200}, {2400, 100}, {4800, 0}, {9600, 0}};
  for (const auto& c : cases) {
    ManualClock caseClock;
    ScriptedLine caseLine(caseClock);
    Talvinet fresh;
    fresh.clock = &caseClock;
    fresh.openChannel = caseLine.Opener();
    ConnectionStruct connection = SerialConnection(1, c.baudRate);
    ASSERT_EQ(fresh.OpenConnection(&connection), 1);
    caseLine.Answer("\x11", "0\r\n");
    fresh.SendRTACommandString("RN\r\n");
    EXPECT_EQ(caseClock.ElapsedMs(), c.pause) << c.baudRate;
  }
}

TEST_F(CommandExchangeTest, QueryIsFramedWithXonAndWaitsItsDelay) {
  OpenSerial();
  EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ(analyzer.SendRTAQueryString("QHS\r\n"), 1); }), 500);
  EXPECT_EQ(line.Written(), "QHS\r\n\x11");
}

TEST_F(CommandExchangeTest, CommandWithDelaySendsTheTextExactly) {
  OpenSerial();
  EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ(analyzer.SendRTACommandStringWithDelay("DX"), 1); }), 1400);
  EXPECT_EQ(line.Written(), "DX");
}

TEST_F(CommandExchangeTest, ControlCodesSwitchRemoteAndLocalMode) {
  OpenSerial();
  EXPECT_EQ(analyzer.SetRemoteMode(), 1);
  EXPECT_EQ(analyzer.SetLocalMode(), 1);
  EXPECT_EQ(analyzer.SendRTAControlCode(0x41), 1);
  EXPECT_EQ(line.Written(), "\x12\x17\x41");
}

TEST_F(CommandExchangeTest, WithoutAConnectionNothingIsSent) {
  EXPECT_EQ(analyzer.SendRTACommandString("RN\r\n"), 0);
  EXPECT_EQ(analyzer.SendRTAQueryString("QER\r\n"), 0);
  EXPECT_EQ(analyzer.SendRTACommandStringWithDelay("DX"), 0);
  EXPECT_EQ(analyzer.SendRTAControlCode(0x12), 0);
  EXPECT_EQ(analyzer.GetErrno(), 0);
  EXPECT_EQ(clock.ElapsedMs(), 0);
}

TEST_F(CommandExchangeTest, TextThatDoesNotFitIn256BytesIsRefused) {
  OpenSerial();
  const std::string longest(256 - 1 - 7, 'A');  // framed with ";QER\r\n" + XON and a NUL: 256
  line.Answer("\x11", "0\r\n");
  EXPECT_EQ(analyzer.SendRTACommandString(longest.c_str()), 1);
  EXPECT_EQ(line.Written(), longest + ";QER\r\n\x11");
  line.ClearWritten();
  const std::string tooLong = longest + "A";
  EXPECT_EQ(analyzer.SendRTACommandString(tooLong.c_str()), 0);
  EXPECT_EQ(analyzer.GetErrno(), kStatusWriteFailed);
  EXPECT_EQ(analyzer.SendRTAQueryString(std::string(255, 'Q').c_str()), 0);
  EXPECT_EQ(analyzer.SendRTACommandStringWithDelay(std::string(256, 'D').c_str()), 0);
  EXPECT_EQ(line.Written(), "");
}

TEST_F(CommandExchangeTest, AFollowingSendDiscardsRepliesLeftUnread) {
  OpenSerial();
  line.Answer("QSM\r\n\x11", "1\r\n2\r\n3\r\n");
  ASSERT_EQ(analyzer.SendRTAQueryString("QSM\r\n"), 1);
  char buffer[257];
  int count = 0;
  ASSERT_EQ(analyzer.ReadStr(buffer, &count, 256), kStatusOk);
  EXPECT_STREQ(buffer, "1\r\n");
  line.Answer("QER\r\n\x11", "7\r\n");
  ASSERT_EQ(analyzer.SendRTAQueryString("QER\r\n"), 1);
  ASSERT_EQ(analyzer.ReadStr(buffer, &count, 256), kStatusOk);
  EXPECT_STREQ(buffer, "7\r\n");
}

TEST_F(CommandExchangeTest, DelayTableByMnemonicAndModelClass) {
  const struct {
    const char* text;
    unsigned short modelClass;
    unsigned short delay;
  } cases[] = {
      {"KE 5\r\n", 1, 350},       {"XYZ\r\n", 1, 150},    {nullptr, 3, 150},       {"QQQRF\r\n", 3, 2000},
      {"QQQRF\r\n", 1, 1400},     {"QQQRF\r\n", 255, 1400}, {"QQQRD\r\n", 3, 1600}, {"QBB\r\n", 3, 100},
      {"QBD\r\n", 2, 10},         {"DX", 1, 1400},         {"QJT\r\n", 1, 1950},    {"QWNC\r\n", 3, 600},
      {"qhs\r\n", 1, 150},        {"QHSX\r\n", 1, 150},    {"QSF 1\r\n", 1, 400},   {"Q\r\n", 1, 150},
      {"KE5\r\n", 1, 350},        {" KE 5\r\n", 1, 150},   {"ke 5\r\n", 1, 150},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(analyzer.GetDelayTime(c.text, c.modelClass), c.delay) << (c.text ? c.text : "null");
  }
}

TEST_F(CommandExchangeTest, SlowSerialLinesStretchTheDelay) {
  const struct {
    int baudRate;
    unsigned short delay;
  } cases[] = {{1200, 4480}, {2400, 3080}, {4800, 1680}, {9600, 1400}, {19200, 1400}};
  for (const auto& c : cases) {
    ManualClock caseClock;
    ScriptedLine caseLine(caseClock);
    TalvinetProbe fresh;
    fresh.clock = &caseClock;
    fresh.openChannel = caseLine.Opener();
    ConnectionStruct connection = SerialConnection(1, c.baudRate);
    ASSERT_EQ(fresh.OpenConnection(&connection), 1);
    EXPECT_EQ(fresh.GetDelayTime("QQQRF\r\n", 1), c.delay) << c.baudRate;
  }
}

TEST_F(CommandExchangeTest, ReplyLineTable) {
  const struct {
    const char* text;
    unsigned short lines;
  } cases[] = {
      {"QKE *\r\n", 898}, {"QKE 5\r\n", 1}, {"qhs\r\n", 1},  {"QHS\r\n", 10}, {"QSF\r\n", 9},
      {"QCL\r\n", 3},     {"QRD\r\n", 897}, {"QFD\r\n", 897}, {"XYZ\r\n", 1},  {nullptr, 1},
      {"X QKE *\r\n", 898}, {"QKE  *\r\n", 1}, {"QHS1\r\n", 10},
  };
  for (const auto& c : cases) EXPECT_EQ(analyzer.GetLinesInResult(c.text), c.lines) << (c.text ? c.text : "null");
}

TEST_F(CommandExchangeTest, SanitizeDropsLeadingBlanksAndTheLineEnd) {
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"   12.5 dB\r\n", "12.5 dB"}, {"12.5 dB", "12.5 dB"}, {"  ", ""},    {"\r\nabc", ""},
      {"a\tb\nc", "a\tb"},           {"\t x\r", "\t x"},     {"", ""},       {" a b \n", "a b "},
  };
  for (const auto& c : cases) {
    char text[32] = {};
    std::strcpy(text, c.text);
    analyzer.SanitizeResultString(text, sizeof text);
    EXPECT_STREQ(text, c.result) << c.text;
  }
  char unterminated[4] = {' ', 'a', 'b', 'c'};
  analyzer.SanitizeResultString(unterminated, 4);
  EXPECT_EQ(std::string(unterminated, 4), std::string("abc\0", 4));
}

class ParallelExchangeTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override {
    lintarra::InstallPortAccess(&port.Access());
    analyzer.InitParallelPort(0x378, 0);
    port.SetHostByteHandler([this](unsigned char b) {
      if (b == 0x11) port.QueueForHost("0\r\n");
    });
  }
  void TearDown() override { lintarra::InstallPortAccess(nullptr); }
  sim::EmulatedAnalyzerPort port;
};

TEST_F(ParallelExchangeTest, ExchangesOverTheParallelPortSkipTheSerialDelays) {
  EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ(analyzer.SendRTACommandString("RN\r\n"), 1); }), 0);
  EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ(analyzer.SendRTAQueryString("QHS\r\n"), 1); }), 0);
  EXPECT_EQ(MillisecondsTaken([&] { EXPECT_EQ(analyzer.SendRTACommandStringWithDelay("DX"), 1); }), 1400);
  EXPECT_EQ(port.BytesFromHost(), "RN\r\n;QER\r\n\x11QHS\r\n\x11" "DX");
}

}  // namespace
}  // namespace talvinet::testing
