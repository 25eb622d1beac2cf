#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "PtyPeer.h"
#include "VerdaRunner.h"

namespace {

TEST(SendCommandTest, QueryPrintsEachReplyLineOnItsOwnLine) {
  talvinet::testing::PtyPeer peer;
  peer.Answer("QCL\r\n\x11", " 12:00:00\r\n01/02/03\r\nX\r\n");
  const VerdaResult result = RunVerda({"--port", peer.SlavePath(), "--baud", "19200", "send", "QCL"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "12:00:00\n01/02/03\nX\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(peer.ReceivedAtLeast(8), "\x12QCL\r\n\x11\x17");
}

TEST(SendCommandTest, CommandPrintsNothingAndSucceeds) {
  talvinet::testing::PtyPeer peer;
  peer.Answer(";QER\r\n\x11", "0\r\n");
  const VerdaResult result = RunVerda({"--port", peer.SlavePath(), "--stop-bits", "2", "send", "RN"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(peer.ReceivedAtLeast(13), "\x12RN\r\n;QER\r\n\x11\x17");
}

TEST(SendCommandTest, FailuresExitWithOneAndSayWhy) {
  const VerdaResult missing = RunVerda({"--port", "/nonexistent/tty", "send", "QCL"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "verda: cannot open serial port /nonexistent/tty at 9600 baud: no such device\n");
  talvinet::testing::PtyPeer peer;
  EXPECT_EQ(RunVerda({"--port", peer.SlavePath(), "--baud", "12345", "send", "QCL"}).status, 1);
  const VerdaResult refused = RunVerda({"--port", peer.SlavePath(), "send", std::string(300, 'A')});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("verda: the analyzer did not take"), std::string::npos);
}

// A device file its owner may not open but its group may: the fix is to join that group.
TEST(SendCommandTest, PermissionDeniedNamesTheGroupToJoin) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may open every device file; run as another user to see this";
  std::string path = "/tmp/verda-device-XXXXXX";
  const int fd = ::mkstemp(path.data());
  ASSERT_GE(fd, 0);
  ::fchmod(fd, 0060);
  ::close(fd);
  const group* owner = ::getgrgid(::getegid());
  const std::string name = owner != nullptr ? owner->gr_name : std::to_string(::getegid());
  const VerdaResult result = RunVerda({"--port", path, "info"});
  ::unlink(path.c_str());
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "verda: cannot open serial port " + path + " at 9600 baud: permission denied; add yourself to the group " +
                            name + " (sudo usermod -aG " + name + " $USER) and log in again\n");
}

TEST(SendCommandTest, MalformedGlobalOptionsAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"--baud", "fast", "send", "QCL"}, {"--stop-bits", "3", "send", "QCL"}, {"--parallel", "zero", "send", "QCL"},
      {"--port"},                        {"--speed", "9600", "send", "QCL"},  {"send"},
  };
  for (const auto& arguments : cases) EXPECT_EQ(RunVerda(arguments).status, 2) << arguments[0];
}

}  // namespace
