#include "simanalyzer/PtyAnalyzer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace simanalyzer {
namespace {

std::string SystemProblem(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

void CloseDescriptor(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Reply bytes waiting for the line, sent from the front.
class OutgoingBytes {
 public:
  bool Empty() const { return front_ == bytes_.size(); }
  void Append(const std::vector<uint8_t>& more) {
    if (front_ > 0 && front_ * 2 >= bytes_.size()) {
      bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(front_));
      front_ = 0;
    }
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  const uint8_t* Front() const { return bytes_.data() + front_; }
  std::size_t Size() const { return bytes_.size() - front_; }
  void Consume(std::size_t count) { front_ += count; }

 private:
  std::vector<uint8_t> bytes_;
  std::size_t front_ = 0;
};

// How long the host may pause inside a line before the line counts as complete.
constexpr auto kHostPause = std::chrono::milliseconds(50);

int PollTimeoutMs(Pacer::Clock::duration wait) {
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
  return static_cast<int>(std::max<long long>(1, ms));
}

}  // namespace

PtyAnalyzer::PtyAnalyzer(VirtualAnalyzer analyzer, Pacing pacing) : analyzer_(std::move(analyzer)), pacing_(pacing) {}

PtyAnalyzer::~PtyAnalyzer() { Stop(); }

bool PtyAnalyzer::Start(std::string& problem) {
  if (server_.joinable()) return true;
  int wake[2];
  if (!OpenTerminal(problem)) {
    CloseAll();
    return false;
  }
  if (::pipe2(wake, O_CLOEXEC) != 0) {
    problem = SystemProblem("pipe");
    CloseAll();
    return false;
  }
  wakeRead_ = wake[0];
  wakeWrite_ = wake[1];
  server_ = std::thread([this] { Serve(); });
  return true;
}

bool PtyAnalyzer::OpenTerminal(std::string& problem) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) {
    problem = SystemProblem("posix_openpt");
    return false;
  }
  char path[128];
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || ::ptsname_r(master_, path, sizeof path) != 0) {
    problem = SystemProblem("pseudo-terminal set-up");
    return false;
  }
  slave_ = ::open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios raw{};
  if (slave_ < 0 || ::tcgetattr(slave_, &raw) != 0) {
    problem = SystemProblem(path);
    return false;
  }
  // Every byte passes unchanged: no echo, no line editing, no CR/LF mapping.
  ::cfmakeraw(&raw);
  if (::tcsetattr(slave_, TCSANOW, &raw) != 0 || ::fcntl(master_, F_SETFL, O_NONBLOCK) != 0) {
    problem = SystemProblem(path);
    return false;
  }
  devicePath_ = path;
  return true;
}

void PtyAnalyzer::Stop() {
  if (server_.joinable()) {
    const char stop = 0;
    while (::write(wakeWrite_, &stop, 1) < 0 && errno == EINTR) {
    }
    server_.join();
  }
  CloseAll();
}

void PtyAnalyzer::CloseAll() {
  CloseDescriptor(wakeRead_);
  CloseDescriptor(wakeWrite_);
  CloseDescriptor(slave_);
  CloseDescriptor(master_);
}

void PtyAnalyzer::WithAnalyzer(const std::function<void(VirtualAnalyzer&)>& use) {
  const std::lock_guard lock(analyzerMutex_);
  use(analyzer_);
}

void PtyAnalyzer::Serve() {
  Pacer pacer(pacing_);
  OutgoingBytes outgoing;
  uint8_t incoming[4096];
  bool lineOpen = false;
  bool hungUp = false;
  auto lastHeard = Pacer::Clock::now();
  for (;;) {
    pollfd watched[2] = {{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    auto wait = Pacer::Clock::duration::max();
    if (lineOpen) wait = std::max(Pacer::Clock::duration::zero(), lastHeard + kHostPause - Pacer::Clock::now());
    if (!outgoing.Empty()) {
      const auto lineBusy = pacer.Wait(Pacer::Clock::now());
      if (lineBusy == Pacer::Clock::duration::zero()) {
        watched[0].events |= POLLOUT;
      } else {
        wait = std::min(wait, lineBusy);
      }
    }
    const int timeout = wait == Pacer::Clock::duration::max() ? -1 : PollTimeoutMs(wait);
    if (::poll(watched, 2, timeout) < 0 && errno != EINTR) return;
    if (watched[1].revents != 0) return;

    const bool heard = (watched[0].revents & POLLIN) != 0;
    const ssize_t got = heard ? ::read(master_, incoming, sizeof incoming) : 0;
    if (got > 0 || (lineOpen && Pacer::Clock::now() - lastHeard >= kHostPause)) {
      const std::lock_guard lock(analyzerMutex_);
      if (got > 0) {
        analyzer_.Receive(std::span(incoming, static_cast<std::size_t>(got)));
        lastHeard = Pacer::Clock::now();
      } else {
        analyzer_.HostPaused();
      }
      lineOpen = analyzer_.LineOpen();
      outgoing.Append(analyzer_.TakeOutput());
      hungUp = analyzer_.HungUp();
    }
    const auto now = Pacer::Clock::now();
    const std::size_t allowed = std::min(outgoing.Size(), pacer.Allowance(now));
    if (allowed > 0) {
      const ssize_t sent = ::write(master_, outgoing.Front(), allowed);
      if (sent > 0) {
        outgoing.Consume(static_cast<std::size_t>(sent));
        pacer.Sent(static_cast<std::size_t>(sent), now);
      }
    }
    // A hang-up closes both sides once the last reply bytes have gone: the
    // host's next read or write meets a line that is gone.
    if (hungUp && outgoing.Empty()) {
      CloseDescriptor(slave_);
      CloseDescriptor(master_);
      return;
    }
  }
}

}  // namespace simanalyzer
