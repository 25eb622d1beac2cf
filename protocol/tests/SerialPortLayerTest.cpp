#include "serial/SerialPortLayer.h"

#include <gtest/gtest.h>

#include <string>

#include "ManualClock.h"
#include "ScriptedLine.h"

namespace talvinet::testing {
namespace {

class SerialPortLayerTest : public ::testing::Test {
 protected:
  SerialPortLayerTest() : line(clock), serial(line.Opener()("/dev/scripted", clock), clock, 64) {}

  ManualClock clock;
  ScriptedLine line;
  SerialPortLayer serial;
};

TEST_F(SerialPortLayerTest, BaudRateRefusesWhatTheDeviceCannotTake) {
  const struct {
    long rate;
    int result;
  } cases[] = {{9600, 0}, {19200, 0}, {1200, 0}, {115200, 0}, {9601, -801}, {0, -801}, {-9600, -801}};
  for (const auto& c : cases) EXPECT_EQ(serial.BaudRate(c.rate), c.result) << c.rate;
  EXPECT_EQ(line.Settings().baudRate, 115200);
  line.refuseSettings = true;
  EXPECT_EQ(serial.BaudRate(9600), SerialPortLayer::kBaudRateRejected);
}

TEST_F(SerialPortLayerTest, LineSettingsReachTheDevice) {
  serial.Parity('E');
  serial.StopBits(2);
  serial.DataLength(7);
  serial.SetHandShake(1, 1);
  EXPECT_EQ(line.Settings().parity, 'E');
  EXPECT_EQ(line.Settings().stopBits, 2);
  EXPECT_EQ(line.Settings().dataBits, 7);
  EXPECT_TRUE(line.Settings().hardwareHandshake);
}

TEST_F(SerialPortLayerTest, PutStringModes) {
  EXPECT_EQ(serial.PutString("AB\r\n", SerialPortLayer::kSendAsIs), 4);
  EXPECT_EQ(serial.PutString("DX", SerialPortLayer::kSendWithoutLineFeed), 2);
  EXPECT_EQ(serial.PutString("X", SerialPortLayer::kAppendLineFeed), 2);
  EXPECT_EQ(line.Written(), "AB\r\nDXX\n");
  EXPECT_EQ(serial.PutString("", SerialPortLayer::kSendAsIs), 0);
  EXPECT_LT(serial.PutString(nullptr, SerialPortLayer::kSendAsIs), 0);
  line.failWrites = true;
  EXPECT_LT(serial.PutString("AB", SerialPortLayer::kSendAsIs), 1);
  EXPECT_NE(serial.PutChar('A'), 0);
}

TEST_F(SerialPortLayerTest, GetStringStopsAfterTheTerminatorOrAtTheTimeout) {
  line.Arrive("12\r\n34");
  char buffer[16] = {};
  EXPECT_EQ(serial.GetString(buffer, 10, '\n', 500), 4);
  EXPECT_EQ(std::string(buffer, 4), "12\r\n");
  EXPECT_EQ(serial.RXCount(), 2);
  EXPECT_EQ(serial.GetString(buffer, 10, '\n', 500), 2);
  EXPECT_EQ(clock.ElapsedMs(), 500);
  line.Arrive("abcdef");
  EXPECT_EQ(serial.GetString(buffer, 3, '\n', 500), 3);
  EXPECT_EQ(serial.RXCount(), 3);
}

TEST_F(SerialPortLayerTest, GetCharTakesEveryByteValueAndTimesOutWithMinus34) {
  std::string all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));
  line.Arrive(all);
  for (int value = 0; value < 256; ++value) ASSERT_EQ(serial.GetChar(100), value);
  EXPECT_EQ(serial.GetChar(700), SerialPortLayer::kCharTimedOut);
  EXPECT_EQ(clock.ElapsedMs(), 700);
}

TEST_F(SerialPortLayerTest, GetBufferCopiesWhatWaitsAndNothingWhenIdle) {
  unsigned char buffer[8] = {};
  EXPECT_EQ(serial.GetBuffer(buffer, 8, 0), 0);
  line.Arrive("abc");
  line.Arrive("de", 50);
  EXPECT_EQ(serial.GetBuffer(buffer, 8, 0), 3);
  EXPECT_EQ(serial.GetBuffer(buffer, 8, 100), 2);
  EXPECT_EQ(buffer[1], 'e');
}

TEST_F(SerialPortLayerTest, ReceiveQueueHoldsAtMostItsSize) {
  line.Arrive(std::string(100, 'x'));
  EXPECT_EQ(serial.RXCount(), 64);
  unsigned char buffer[64];
  EXPECT_EQ(serial.GetBuffer(buffer, 64, 0), 64);
  EXPECT_EQ(serial.RXCount(), 36);
  serial.RXFlush(0);
  EXPECT_EQ(serial.RXCount(), 0);
}

TEST_F(SerialPortLayerTest, ALineThatHangsUpReportsAnErrorAndStopsWaiting) {
  line.Arrive("ab");
  line.HangUp(10);
  EXPECT_EQ(serial.GetCommError(), 0);
  char buffer[8] = {};
  EXPECT_EQ(serial.GetString(buffer, 8, '\n', 4000), 2);
  EXPECT_NE(serial.GetCommError(), 0);
  EXPECT_FALSE(serial.WaitForData(clock.Now() + std::chrono::seconds(4)));
  EXPECT_LT(clock.ElapsedMs(), 100);
  EXPECT_LT(serial.PutString("x", SerialPortLayer::kSendAsIs), 1);
}

}  // namespace
}  // namespace talvinet::testing
