#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lintarra/Lintarra.h"
#include "lintarra/PortAccess.h"
#include "sim/parallel/EmulatedAnalyzerPort.h"

namespace {

using Misbehaviour = sim::EmulatedAnalyzerPort::Misbehaviour;

constexpr std::uint8_t kSelect = 1u << 1;
constexpr std::uint8_t kStrobe = 1u << 2;
constexpr std::uint8_t kWriteMode = 1u << 3;
constexpr long kShortWait = 50;

// Must run before anything changes the poll limit of this process.
TEST(ParallelPortDefaultsTest, FreshLibraryAllowsFourMillionPolls) { EXPECT_EQ(GetTimeout(), 4000000); }

class ParallelPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lintarra::InstallPortAccess(&analyzer.Access());
    Init(0x378, 0);
  }
  void TearDown() override {
    SetTimeout(LINTARRA_DEFAULT_POLLS);
    lintarra::InstallPortAccess(nullptr);
  }
  bool StrobeAtRest() const { return (analyzer.LogicalControl() & kStrobe) != 0; }
  // Puts `line` on the port for one case of a table.
  static void Attach(const sim::EmulatedAnalyzerPort& line) {
    lintarra::InstallPortAccess(&line.Access());
    Init(0x378, 0);
  }

  sim::EmulatedAnalyzerPort analyzer;
};

TEST_F(ParallelPortTest, InitLeavesThePortAtRestInWriteDirection) {
  EXPECT_EQ(analyzer.LogicalControl() & (kSelect | kStrobe | kWriteMode), kSelect | kStrobe | kWriteMode);
  EXPECT_FALSE(analyzer.HostIsReading());
  EXPECT_EQ(lintarra::PortAccessProblem(), "");
}

TEST_F(ParallelPortTest, WriteStringSendsEveryByteInOrder) {
  char text[] = "RN\r\n;QER\r\n\x11";
  EXPECT_EQ(WriteString(text), 11);
  EXPECT_EQ(analyzer.BytesFromHost(), text);
  EXPECT_TRUE(StrobeAtRest());
  EXPECT_FALSE(analyzer.HostIsReading());
}

TEST_F(ParallelPortTest, WriteBufferSendsNulBytesAndMinusOneStopsAtTheNul) {
  const unsigned char data[] = {'A', 0, 'B', 0, 'C'};
  EXPECT_EQ(WriteBuffer(data, 5), 5);
  EXPECT_EQ(analyzer.BytesFromHost(), std::string("A\0B\0C", 5));
  analyzer.ClearBytesFromHost();
  EXPECT_EQ(WriteBuffer(data, -1), 1);
  EXPECT_EQ(analyzer.BytesFromHost(), "A");
}

TEST_F(ParallelPortTest, RefusesMissingOrMeaninglessArguments) {
  unsigned char buffer[4] = {};
  EXPECT_EQ(WriteString(""), 0);
  EXPECT_EQ(WriteString(nullptr), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(WriteBuffer(nullptr, 3), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(WriteBuffer(buffer, -2), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(ReadByte(nullptr), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(ReadBuffer(buffer, 0), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(ReadBuffer(nullptr, 4), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(ReadString(nullptr, 4), LINTARRA_BAD_ARGUMENT);
  EXPECT_EQ(analyzer.BytesFromHost(), "");
}

TEST_F(ParallelPortTest, ReadStringStopsAtCrLfOrAtTheBufferEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    int length;
    int result;
    std::string stored;  // what the buffer holds from its start, NUL included when stored
    std::size_t leftUnread;
  };
  const Case cases[] = {
      {"line fits", "AB\r\n", 10, 4, std::string("AB\r\n\0", 5), 0},
      {"line fills the buffer", "AB\r\n", 4, 4, "AB\r\n#", 0},
      {"buffer ends before LF", "AB\r\n", 3, 3, "AB\r#", 1},
      {"leading LF is data", "\nA\r\nZ", 10, 4, std::string("\nA\r\n\0", 5), 1},
      {"LF without CR is data", "A\nB\r\n", 10, 5, std::string("A\nB\r\n\0", 6), 0},
      {"first of two lines", "1\r\n2\r\n", 10, 3, std::string("1\r\n\0", 4), 3},
  };
  for (const Case& c : cases) {
    sim::EmulatedAnalyzerPort line;
    Attach(line);
    line.QueueForHost(c.bytes);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(ReadString(buffer, c.length), c.result) << c.name;
    EXPECT_EQ(std::string(buffer, c.stored.size()), c.stored) << c.name;
    EXPECT_EQ(line.PendingForHost(), c.leftUnread) << c.name;
  }
  Attach(analyzer);
}

TEST_F(ParallelPortTest, ReadBufferTakesExactlyTheLengthAndIgnoresLineEnds) {
  analyzer.QueueForHost(std::string("\r\n\0\xFFxyz", 7));
  unsigned char buffer[5] = {};
  EXPECT_EQ(ReadBuffer(buffer, 5), 5);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 5), std::string("\r\n\0\xFFx", 5));
  EXPECT_EQ(analyzer.PendingForHost(), 2u);
  EXPECT_TRUE(analyzer.HostIsReading());
  EXPECT_TRUE(StrobeAtRest());
}

TEST_F(ParallelPortTest, RepliesQueuedByTheByteHandlerReachTheHost) {
  analyzer.SetHostByteHandler([this](unsigned char b) {
    if (b == 0x11) analyzer.QueueForHost("0\r\n");
  });
  EXPECT_EQ(WriteString("QER\r\n\x11"), 6);
  char reply[8] = {};
  EXPECT_EQ(ReadString(reply, 8), 3);
  EXPECT_STREQ(reply, "0\r\n");
  unsigned char b = 0;
  analyzer.QueueForHost("\xAB");
  EXPECT_EQ(ReadByte(&b), 1);
  EXPECT_EQ(b, 0xAB);
}

TEST_F(ParallelPortTest, TimeoutOfOneFailsEveryWaitWithoutPolling) {
  SetTimeout(1);
  EXPECT_EQ(GetTimeout(), 1);
  analyzer.QueueForHost("A");
  const long before = analyzer.StatusReads();
  EXPECT_EQ(WriteByte('x'), LINTARRA_NEVER_READY);
  unsigned char b = 0;
  EXPECT_EQ(ReadByte(&b), LINTARRA_NO_BYTE_OFFERED);
  EXPECT_EQ(analyzer.StatusReads(), before);
  EXPECT_EQ(analyzer.BytesFromHost(), "");
}

TEST_F(ParallelPortTest, EachHandshakeFaultHasItsCodeAndLeavesTheStrobeAtRest) {
  struct Case {
    Misbehaviour misbehaviour;
    int writeResult;
    int readResult;
  };
  const Case cases[] = {
      {Misbehaviour::Silent, LINTARRA_NEVER_READY, LINTARRA_NO_BYTE_OFFERED},
      {Misbehaviour::NoAcknowledge, LINTARRA_ACK_NOT_LOW, LINTARRA_ACK_NOT_LOW},
      {Misbehaviour::AcknowledgeStuck, LINTARRA_ACK_NOT_HIGH, LINTARRA_ACK_NOT_HIGH},
  };
  SetTimeout(kShortWait);
  for (const Case& c : cases) {
    for (bool reading : {false, true}) {
      sim::EmulatedAnalyzerPort line;
      Attach(line);
      line.QueueForHost("Q");
      line.Misbehave(c.misbehaviour);
      unsigned char b = 0;
      const int result = reading ? ReadByte(&b) : WriteByte('W');
      EXPECT_EQ(result, reading ? c.readResult : c.writeResult) << static_cast<int>(c.misbehaviour) << reading;
      EXPECT_NE(line.LogicalControl() & kStrobe, 0) << static_cast<int>(c.misbehaviour) << reading;
      if (c.misbehaviour == Misbehaviour::AcknowledgeStuck && reading) {
        EXPECT_EQ(b, 'Q');
      }
    }
  }
  Attach(analyzer);
}

TEST_F(ParallelPortTest, AWaitMakesOneStatusReadFewerThanTheLimit) {
  SetTimeout(kShortWait);
  analyzer.Misbehave(Misbehaviour::Silent);
  const long before = analyzer.StatusReads();
  EXPECT_EQ(WriteByte('x'), LINTARRA_NEVER_READY);
  EXPECT_EQ(analyzer.StatusReads() - before, kShortWait - 1);
}

TEST_F(ParallelPortTest, BlockWriteStopsAtTheFirstFailureWithoutResending) {
  SetTimeout(kShortWait);
  analyzer.SetHostByteHandler([this](unsigned char) {
    if (analyzer.BytesFromHost().size() == 2) analyzer.Misbehave(Misbehaviour::Silent);
  });
  EXPECT_EQ(WriteString("ABCD"), LINTARRA_NEVER_READY);
  EXPECT_EQ(analyzer.BytesFromHost(), "AB");
}

TEST_F(ParallelPortTest, BlockReadKeepsTheBytesStoredBeforeAFailure) {
  SetTimeout(kShortWait);
  analyzer.QueueForHost("AB");
  char buffer[6];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(ReadString(buffer, 6), LINTARRA_NO_BYTE_OFFERED);
  EXPECT_EQ(std::string(buffer, 3), "AB#");
}

TEST_F(ParallelPortTest, UnreachablePortFailsWithTimeoutCodesAndSaysWhy) {
  lintarra::InstallPortAccess(nullptr);
  Init(0, 0);
  EXPECT_NE(lintarra::PortAccessProblem(), "");
  SetTimeout(kShortWait);
  unsigned char b = 0;
  EXPECT_EQ(WriteByte('x'), LINTARRA_NEVER_READY);
  EXPECT_EQ(ReadByte(&b), LINTARRA_NO_BYTE_OFFERED);
}

}  // namespace
