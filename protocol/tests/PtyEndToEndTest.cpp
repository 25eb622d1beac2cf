// The whole serial path on the real clock: Talvinet opens the slave side of a
// pseudo-terminal through its port mapping, and a peer on the master side
// checks the bytes and answers.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "PtyPeer.h"
#include "talvinet/Talvinet.h"

namespace talvinet::testing {
namespace {

class PtyEndToEndTest : public ::testing::Test {
 protected:
  void Open() {
    analyzer.serialDeviceFiles[1] = peer->SlavePath();
    ConnectionStruct connection{0, 1, 9600, 8, 1, 'N'};
    ASSERT_EQ(analyzer.OpenConnection(&connection), 1);
  }

  std::unique_ptr<PtyPeer> peer = std::make_unique<PtyPeer>();
  Talvinet analyzer;
};

TEST_F(PtyEndToEndTest, CommandPutsExactBytesOnTheWireAndReadsTheErrorLine) {
  Open();
  peer->Answer("\x11", "0\r\n");
  EXPECT_EQ(analyzer.SendRTACommandString("RN\r\n"), 1);
  EXPECT_EQ(peer->Received(), "RN\r\n;QER\r\n\x11");
}

TEST_F(PtyEndToEndTest, GenericQueryWaitsItsDelayAndCollectsTheReply) {
  Open();
  peer->Answer("QSM\r\n\x11", "  54.1 dB\r\n");
  char result[64] = {};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(analyzer.SendGenericCommand("QSM\r\n", result, sizeof result, 1), 1);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
  EXPECT_STREQ(result, "54.1 dB\t");
  EXPECT_EQ(peer->ReceivedAtLeast(8), "\x12QSM\r\n\x11\x17");
}

TEST_F(PtyEndToEndTest, AReplyLongerThanTheBufferIsCut) {
  Open();
  const std::string longLine(300, 'L');
  peer->Answer("QSM\r\n\x11", longLine + "\r\n");
  ASSERT_EQ(analyzer.SendRTAQueryString("QSM\r\n"), 1);
  char buffer[33];
  int count = 0;
  EXPECT_EQ(analyzer.ReadStr(buffer, &count, 32), kStatusOk);
  EXPECT_EQ(count, 32);
  EXPECT_EQ(std::string(buffer), std::string(32, 'L'));
}

TEST_F(PtyEndToEndTest, ALineThatDiesMidReplyEndsTheReadAtOnce) {
  Open();
  peer->AnswerAndHangUp("QSM\r\n\x11", "54.");
  ASSERT_EQ(analyzer.SendStr("QSM\r\n\x11"), kStatusOk);
  char buffer[64];
  int count = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(analyzer.ReadStr(buffer, &count, 63), kStatusOk);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_STREQ(buffer, "54.");
  EXPECT_EQ(analyzer.SendStr("QER\r\n"), kStatusWriteFailed);
  EXPECT_EQ(analyzer.CloseConnection(), 1);
}

}  // namespace
}  // namespace talvinet::testing
