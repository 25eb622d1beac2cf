#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TalvinetFixture.h"
#include "lintarra/PortAccess.h"
#include "sim/parallel/EmulatedAnalyzerPort.h"

namespace talvinet::testing {
namespace {

constexpr int kRoom = 16;

class SerialTransportTest : public ScriptedTalvinetTest {
 protected:
  void SetUp() override { OpenSerial(); }

  // ReadStr into a buffer whose bytes past max + 1 must stay untouched.
  int ReadLine(int max) {
    std::memset(buffer, '#', sizeof buffer);
    count = -7;
    return analyzer.ReadStr(buffer, &count, max);
  }

  char buffer[kRoom + 4];
  int count = 0;
};

TEST_F(SerialTransportTest, ReadStrReturnsAWholeLineWithItsLineEnd) {
  line.Arrive("12.5 dB\r\n");
  EXPECT_EQ(ReadLine(kRoom), kStatusOk);
  EXPECT_EQ(count, 9);
  EXPECT_STREQ(buffer, "12.5 dB\r\n");
}

TEST_F(SerialTransportTest, ReadStrCutsALongReplyAtMax) {
  line.Arrive("0123456789ABCDEFGHIJ\r\n");
  EXPECT_EQ(ReadLine(kRoom), kStatusOk);
  EXPECT_EQ(count, kRoom);
  EXPECT_EQ(std::string(buffer, kRoom + 2), std::string("0123456789ABCDEF\0#", kRoom + 2));
  EXPECT_EQ(ReadLine(kRoom), kStatusOk);
  EXPECT_STREQ(buffer, "GHIJ\r\n");
}

TEST_F(SerialTransportTest, ReadStrOnASilentLineTimesOutAfterFourSeconds) {
  int status = 0;
  EXPECT_EQ(MillisecondsTaken([&] { status = ReadLine(kRoom); }), 4000);
  EXPECT_EQ(status, kStatusTimedOut);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(SerialTransportTest, ReadStrReturnsALineThatStopsArrivingAsItStands) {
  line.Arrive("12.");
  line.Arrive("5", 500);
  int status = 0;
  const long long taken = MillisecondsTaken([&] { status = ReadLine(kRoom); });
  EXPECT_EQ(status, kStatusOk);
  EXPECT_STREQ(buffer, "12.5");
  EXPECT_GE(taken, 1000);
  EXPECT_LT(taken, 4000);
}

TEST_F(SerialTransportTest, ReadStrStopsAtOnceWhenTheLineHangsUpMidReply) {
  line.Arrive("12");
  line.HangUp(10);
  int status = 0;
  EXPECT_LT(MillisecondsTaken([&] { status = ReadLine(kRoom); }), 1000);
  EXPECT_EQ(status, kStatusOk);
  EXPECT_STREQ(buffer, "12");
}

TEST_F(SerialTransportTest, ReadBufReadsExactlyTheLengthAndRestartsItsDeadlineOnData) {
  line.Arrive("ab\r\n");
  line.Arrive("cd", 3000);
  line.Arrive("ef", 6000);
  unsigned char block[6] = {};
  EXPECT_EQ(analyzer.ReadBuf(block, &count, 6), kStatusOk);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block), 6), "ab\r\ncd");
  EXPECT_EQ(count, 6);
}

TEST_F(SerialTransportTest, ReadBufTimesOutWhenTheBlockStopsShort) {
  line.Arrive("abc");
  unsigned char block[6] = {};
  int status = 0;
  EXPECT_EQ(MillisecondsTaken([&] { status = analyzer.ReadBuf(block, &count, 6); }), 4000);
  EXPECT_EQ(status, kStatusTimedOut);
  EXPECT_EQ(count, 3);
}

TEST_F(SerialTransportTest, ReadChrTakesEveryByteValueAndReportsATimeout) {
  std::string all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));
  line.Arrive(all);
  int error = -1;
  for (int value = 0; value < 256; ++value) {
    ASSERT_EQ(static_cast<unsigned char>(analyzer.ReadChr(&error)), value);
    ASSERT_EQ(error, 0);
  }
  char c = 0;
  EXPECT_EQ(MillisecondsTaken([&] { c = analyzer.ReadChr(&error); }), 4000);
  EXPECT_EQ(static_cast<unsigned char>(c), 0xCD);
  EXPECT_EQ(error, 1);
}

TEST_F(SerialTransportTest, SendStrDiscardsUnreadInputFirst) {
  line.Arrive("stale\r\n");
  EXPECT_EQ(analyzer.SendStr("QER\r\n"), kStatusOk);
  EXPECT_EQ(line.UnreadBytes(), 0u);
  EXPECT_EQ(line.Written(), "QER\r\n");
}

TEST_F(SerialTransportTest, WriteFailuresGiveMinus19) {
  line.failWrites = true;
  EXPECT_EQ(analyzer.SendStr("QER\r\n"), kStatusWriteFailed);
  EXPECT_EQ(analyzer.SendChr(0x12), kStatusWriteFailed);
  EXPECT_EQ(analyzer.SendStr(""), kStatusWriteFailed);
}

TEST_F(SerialTransportTest, WaitFollowsTheClock) {
  EXPECT_EQ(MillisecondsTaken([&] { analyzer.Wait(1234); }), 1234);
  EXPECT_EQ(MillisecondsTaken([&] { analyzer.Wait(-5); }), 0);
}

TEST(NoTransportTest, PrimitivesFailWithMinusOne) {
  Talvinet analyzer;
  char buffer[8] = "x";
  int count = 5;
  int error = 0;
  unsigned char block[4] = {};
  EXPECT_EQ(analyzer.SendStr("A"), kStatusNoConnection);
  EXPECT_EQ(analyzer.SendChr('A'), kStatusNoConnection);
  EXPECT_EQ(analyzer.ReadStr(buffer, &count, 7), kStatusNoConnection);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(analyzer.ReadBuf(block, &count, 4), kStatusNoConnection);
  analyzer.ReadChr(&error);
  EXPECT_EQ(error, 1);
}

class ParallelTransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lintarra::InstallPortAccess(&port.Access());
    analyzer.InitParallelPort(0x378, 0);
    SetTimeout(200);
  }
  void TearDown() override {
    SetTimeout(LINTARRA_DEFAULT_POLLS);
    lintarra::InstallPortAccess(nullptr);
  }
  sim::EmulatedAnalyzerPort port;
  Talvinet analyzer;
};

TEST_F(ParallelTransportTest, PrimitivesMoveBytesThroughTheHandshake) {
  EXPECT_EQ(analyzer.SendStr("QER\r\n\x11"), kStatusOk);
  EXPECT_EQ(analyzer.SendChr(0x17), kStatusOk);
  EXPECT_EQ(port.BytesFromHost(), "QER\r\n\x11\x17");
  port.QueueForHost("AB\r\nCDEFZ");
  char buffer[5];
  std::memset(buffer, '#', sizeof buffer);
  int count = 0;
  EXPECT_EQ(analyzer.ReadStr(buffer, &count, 4), kStatusOk);
  EXPECT_EQ(count, 4);
  EXPECT_STREQ(buffer, "AB\r\n");
  unsigned char block[4] = {};
  EXPECT_EQ(analyzer.ReadBuf(block, &count, 4), kStatusOk);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block), 4), "CDEF");
  int error = 1;
  EXPECT_EQ(analyzer.ReadChr(&error), 'Z');
  EXPECT_EQ(error, 0);
}

TEST_F(ParallelTransportTest, HandshakeFailuresGiveMinus61) {
  port.Misbehave(sim::EmulatedAnalyzerPort::Misbehaviour::Silent);
  char buffer[8] = "x";
  int count = 3;
  int error = 0;
  unsigned char block[4] = {};
  EXPECT_EQ(analyzer.SendStr("A"), kStatusParallelFailed);
  EXPECT_EQ(analyzer.SendChr('A'), kStatusParallelFailed);
  EXPECT_EQ(analyzer.ReadStr(buffer, &count, 7), kStatusParallelFailed);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(analyzer.ReadBuf(block, &count, 4), kStatusParallelFailed);
  analyzer.ReadChr(&error);
  EXPECT_EQ(error, 1);
}

}  // namespace
}  // namespace talvinet::testing
