#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "PtyPeer.h"

namespace {

struct Outcome {
  int status;
  std::string output;  // standard output and standard error
};

Outcome RunVerda(const std::string& arguments) {
  const std::string command = std::string(VERDA_BINARY) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  Outcome outcome{-1, ""};
  if (pipe == nullptr) return outcome;
  char chunk[256];
  while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) outcome.output += chunk;
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST(SendCommandTest, QueryPrintsEachReplyLineOnItsOwnLine) {
  talvinet::testing::PtyPeer peer;
  peer.Answer("QCL\r\n\x11", " 12:00:00\r\n01/02/03\r\nX\r\n");
  const Outcome outcome = RunVerda("--port " + peer.SlavePath() + " --baud 19200 send QCL");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, "12:00:00\n01/02/03\nX\n");
  EXPECT_EQ(peer.ReceivedAtLeast(8), "\x12QCL\r\n\x11\x17");
}

TEST(SendCommandTest, CommandPrintsNothingAndSucceeds) {
  talvinet::testing::PtyPeer peer;
  peer.Answer(";QER\r\n\x11", "0\r\n");
  const Outcome outcome = RunVerda("--port " + peer.SlavePath() + " --stop-bits 2 send RN");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, "");
  EXPECT_EQ(peer.ReceivedAtLeast(13), "\x12RN\r\n;QER\r\n\x11\x17");
}

TEST(SendCommandTest, FailuresExitWithOneAndSayWhy) {
  const Outcome missing = RunVerda("--port /nonexistent/tty send QCL");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.output, "verda: cannot open serial port /nonexistent/tty at 9600 baud\n");
  talvinet::testing::PtyPeer peer;
  const Outcome badRate = RunVerda("--port " + peer.SlavePath() + " --baud 12345 send QCL");
  EXPECT_EQ(badRate.status, 1);
  const std::string tooLong(300, 'A');
  const Outcome refused = RunVerda("--port " + peer.SlavePath() + " send " + tooLong);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("verda: the analyzer did not take"), std::string::npos);
}

TEST(SendCommandTest, MalformedGlobalOptionsAreUsageErrors) {
  for (const char* arguments : {"--baud fast send QCL", "--stop-bits 3 send QCL", "--parallel zero send QCL",
                                "--port", "--speed 9600 send QCL"}) {
    EXPECT_EQ(RunVerda(arguments).status, 2) << arguments;
  }
  EXPECT_EQ(RunVerda("send").status, 2);
}

}  // namespace
