#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include <chrono>
#include <memory>
#include <string>

#include "PtyPeer.h"
#include "talvinet/ByteChannel.h"

namespace talvinet::testing {
namespace {

using std::chrono::milliseconds;

Clock::TimePoint In(milliseconds from) { return SteadyClock().Now() + from; }

std::string ReadUntil(ByteChannel& channel, std::size_t size) {
  std::string got;
  unsigned char chunk[300];
  while (got.size() < size) {
    const long n = channel.Read(chunk, sizeof chunk, In(milliseconds(2000)));
    if (n <= 0) break;
    got.append(reinterpret_cast<char*>(chunk), static_cast<std::size_t>(n));
  }
  return got;
}

TEST(TermiosChannelTest, CarriesEveryByteValueUnchangedBothWays) {
  PtyPeer peer;
  std::string all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));
  peer.Answer(all, all);
  auto channel = OpenTermiosChannel(peer.SlavePath(), SteadyClock());
  ASSERT_NE(channel, nullptr);
  ASSERT_TRUE(channel->Configure(LineSettings{}));
  channel->SetModemLines(true, true);  // refused by a pseudo-terminal, and harmless
  EXPECT_EQ(channel->Write(reinterpret_cast<const unsigned char*>(all.data()), all.size(), In(milliseconds(1000))), 256);
  EXPECT_EQ(peer.ReceivedAtLeast(256), all);
  EXPECT_EQ(ReadUntil(*channel, 256), all);
}

TEST(TermiosChannelTest, ReadReturnsNothingAtTheDeadline) {
  PtyPeer peer;
  auto channel = OpenTermiosChannel(peer.SlavePath(), SteadyClock());
  ASSERT_NE(channel, nullptr);
  ASSERT_TRUE(channel->Configure(LineSettings{}));
  unsigned char byte = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(channel->Read(&byte, 1, In(milliseconds(60))), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(55));
}

TEST(TermiosChannelTest, ReportsALineWhoseOtherEndHasGone) {
  auto peer = std::make_unique<PtyPeer>();
  peer->AnswerAndHangUp("x", "ab");
  auto channel = OpenTermiosChannel(peer->SlavePath(), SteadyClock());
  ASSERT_NE(channel, nullptr);
  ASSERT_TRUE(channel->Configure(LineSettings{}));
  const unsigned char x = 'x';
  ASSERT_EQ(channel->Write(&x, 1, In(milliseconds(1000))), 1);
  EXPECT_EQ(ReadUntil(*channel, 2), "ab");
  unsigned char byte = 0;
  EXPECT_EQ(channel->Read(&byte, 1, In(milliseconds(2000))), -1);
}

TEST(TermiosChannelTest, RefusesFilesThatAreNotTerminalsAndRatesItCannotSet) {
  EXPECT_EQ(OpenTermiosChannel("/dev/null", SteadyClock()), nullptr);
  EXPECT_EQ(OpenTermiosChannel("/nonexistent/ttyS0", SteadyClock()), nullptr);
  PtyPeer peer;
  auto channel = OpenTermiosChannel(peer.SlavePath(), SteadyClock());
  ASSERT_NE(channel, nullptr);
  LineSettings settings;
  settings.baudRate = 12345;
  EXPECT_FALSE(channel->Configure(settings));
  EXPECT_TRUE(IsSupportedBaudRate(19200));
  EXPECT_FALSE(IsSupportedBaudRate(12345));
}

// The claim as a program that takes no lock meets it: the terminal's
// exclusive flag, which root opens past and reads, until the channel closes.
TEST(TermiosChannelTest, AClaimHoldsTheExclusiveFlagUntilItsChannelCloses) {
  PtyPeer peer;
  const auto exclusiveFlag = [&peer] {
    const int fd = open(peer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return -1;  // the kernel refused the open
    int exclusive = -1;
    ioctl(fd, TIOCGEXCL, &exclusive);
    close(fd);
    return exclusive;
  };
  auto channel = OpenTermiosChannel(peer.SlavePath(), SteadyClock());
  ASSERT_NE(channel, nullptr);
  EXPECT_EQ(exclusiveFlag(), geteuid() == 0 ? 1 : -1);
  errno = 0;
  EXPECT_EQ(OpenTermiosChannel(peer.SlavePath(), SteadyClock()), nullptr);
  EXPECT_EQ(errno, EBUSY);
  channel.reset();
  EXPECT_EQ(exclusiveFlag(), 0);
}

}  // namespace
}  // namespace talvinet::testing
