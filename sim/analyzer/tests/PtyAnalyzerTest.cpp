#include "simanalyzer/PtyAnalyzer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

#include "AnalyzerFixture.h"

namespace simanalyzer {
namespace {

using Clock = std::chrono::steady_clock;
using testing::AnalyzerWithFiles;
using testing::Query;

// The host's end: the slave side opened and set raw with plain termios calls.
class HostLine {
 public:
  explicit HostLine(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {
    termios raw{};
    if (fd_ >= 0 && ::tcgetattr(fd_, &raw) == 0) {
      ::cfmakeraw(&raw);
      ::tcsetattr(fd_, TCSANOW, &raw);
    }
  }
  ~HostLine() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool IsOpen() const { return fd_ >= 0; }

  void Send(std::string_view bytes) const { ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), std::ssize(bytes)); }

  // Reads until `count` bytes came or `limit` passed.
  std::string Read(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(5)) const {
    std::string got;
    const auto deadline = Clock::now() + limit;
    while (got.size() < count && Clock::now() < deadline) {
      pollfd readable{fd_, POLLIN, 0};
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (::poll(&readable, 1, static_cast<int>(std::max<long long>(left.count(), 0))) <= 0) break;
      char buffer[512];
      const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  }

 private:
  int fd_;
};

PtyAnalyzer& Started(PtyAnalyzer& server) {
  std::string problem;
  EXPECT_TRUE(server.Start(problem)) << problem;
  return server;
}

TEST(PtyAnalyzerTest, AnswersQueriesOnThePseudoTerminal) {
  PtyAnalyzer server(AnalyzerWithFiles());
  Started(server);
  EXPECT_EQ(server.DevicePath().rfind("/dev/pts/", 0), 0u) << server.DevicePath();
  HostLine host(server.DevicePath());
  ASSERT_TRUE(host.IsOpen());
  host.Send("\x12");
  host.Send(Query("QFS"));
  EXPECT_EQ(host.Read(10), "SURVEY  \r\n");
  host.Send("FS 'Empty'\r\n;QER\r\n\x11\x17");
  EXPECT_EQ(host.Read(3), "0\r\n");
  server.WithAnalyzer([](VirtualAnalyzer& analyzer) { EXPECT_FALSE(analyzer.State().remote); });
}

TEST(PtyAnalyzerTest, ALineWithoutItsEndCountsOnceTheHostPauses) {
  PtyAnalyzer server(AnalyzerWithFiles());
  Started(server);
  HostLine host(server.DevicePath());
  host.Send("DO\r\n;QER\r\n\x11");
  EXPECT_EQ(host.Read(3), "0\r\n");
  host.Send("DX");
  EXPECT_EQ(host.Read(1, std::chrono::milliseconds(150)), "");
  host.Send(Query("QDO"));
  EXPECT_EQ(host.Read(3), "0\r\n");
}

TEST(PtyAnalyzerTest, RecordBytesPassUnchanged) {
  PtyAnalyzer server(AnalyzerWithFiles());
  Started(server);
  HostLine host(server.DevicePath());
  const MemoryFile survey = testing::SurveyFile();
  for (const StoredRecord& record : survey.records) {
    const int number = NumberAmongType(survey.records, static_cast<std::size_t>(&record - survey.records.data()));
    host.Send(Query("QRR " + std::to_string(record.type) + "," + std::to_string(number)));
    EXPECT_EQ(host.Read(record.bytes.size()), std::string(record.bytes.begin(), record.bytes.end()));
  }
  EXPECT_EQ(host.Read(1, std::chrono::milliseconds(20)), "") << "nothing follows the record bytes";
}

TEST(PtyAnalyzerTest, ChangesMadeWhileServingAreSeen) {
  PtyAnalyzer server(AnalyzerWithFiles());
  Started(server);
  HostLine host(server.DevicePath());
  server.WithAnalyzer([](VirtualAnalyzer& analyzer) { analyzer.Misbehaviour().nonNumericRecordSize = true; });
  host.Send(Query("QRLR 1,1"));
  EXPECT_EQ(host.Read(7), "SIZE?\r\n");
}

TEST(PtyAnalyzerTest, PacedRepliesTakeTheLineTime) {
  // 384 bytes at 19200 baud, 10 bits a byte: 200 ms.
  VirtualAnalyzer analyzer;
  analyzer.State().store.Add(MemoryFile{"PACED", "", "", {{1, std::vector<uint8_t>(384, 0x5A)}}});
  PtyAnalyzer server(std::move(analyzer), Pacing{19200, 1.0});
  Started(server);
  HostLine host(server.DevicePath());
  const auto start = Clock::now();
  host.Send(Query("QRR 1,1"));
  EXPECT_EQ(host.Read(384).size(), 384u);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  EXPECT_GE(took.count(), 180);
  EXPECT_LT(took.count(), 1500);
}

TEST(PtyAnalyzerTest, StopsCleanlyInTheMiddleOfAReply) {
  VirtualAnalyzer analyzer;
  analyzer.State().store.Add(MemoryFile{"BIG", "", "", {{1, std::vector<uint8_t>(60000, 1)}}});
  PtyAnalyzer server(std::move(analyzer), Pacing{9600, 1.0});
  Started(server);
  HostLine host(server.DevicePath());
  host.Send(Query("QRR 1,1"));
  EXPECT_FALSE(host.Read(1).empty());
  server.Stop();
  server.Stop();
  EXPECT_TRUE(server.DevicePath().size() > 0);
}

TEST(PtyAnalyzerTest, UnreadRepliesDoNotHangTheServer) {
  // The host never reads: the terminal's buffer fills and the server must still stop.
  VirtualAnalyzer analyzer;
  analyzer.State().store.Add(MemoryFile{"BIG", "", "", {{1, std::vector<uint8_t>(200000, 2)}}});
  PtyAnalyzer server(std::move(analyzer));
  Started(server);
  HostLine host(server.DevicePath());
  host.Send(Query("QRR 1,1"));
  host.Send(Query("QRR 1,1"));
  server.Stop();
}

TEST(PtyAnalyzerTest, HostMayCloseAndReopenTheLine) {
  PtyAnalyzer server(AnalyzerWithFiles());
  Started(server);
  for (int round = 0; round < 3; ++round) {
    HostLine host(server.DevicePath());
    host.Send(Query("QFS"));
    EXPECT_EQ(host.Read(10), "SURVEY  \r\n") << "round " << round;
  }
}

TEST(PtyAnalyzerTest, StartsAgainAfterStopping) {
  PtyAnalyzer server(AnalyzerWithFiles());
  for (int round = 0; round < 3; ++round) {
    Started(server);
    HostLine host(server.DevicePath());
    host.Send(Query("QFS"));
    EXPECT_EQ(host.Read(10), "SURVEY  \r\n") << "round " << round;
    server.Stop();
  }
}

}  // namespace
}  // namespace simanalyzer
