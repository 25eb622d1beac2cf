// verda running with its standard error on a terminal, as a user sees it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "VerdaRunner.h"

namespace verdatest {

class VerdaOnTerminal {
 public:
  explicit VerdaOnTerminal(const std::vector<std::string>& arguments) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    const int slave = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    child_ = SpawnVerda(arguments, -1, slave);
    ::close(slave);
  }
  ~VerdaOnTerminal() {
    if (child_ > 0) {
      ::kill(child_, SIGKILL);
      Wait();
    }
    if (master_ >= 0) ::close(master_);
  }
  VerdaOnTerminal(const VerdaOnTerminal&) = delete;
  VerdaOnTerminal& operator=(const VerdaOnTerminal&) = delete;

  // Reads the terminal until `text` shows or `limit` passes.
  bool WaitFor(const std::string& text, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (shown_.find(text) == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || !ReadSome(static_cast<int>(left.count()))) return false;
    }
    return true;
  }

  void Interrupt() const { ::kill(child_, SIGINT); }

  // The exit status, once verda has ended.
  int Wait() {
    int status = 0;
    ::waitpid(child_, &status, 0);
    child_ = 0;
    while (ReadSome(0)) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  const std::string& Shown() const { return shown_; }

 private:
  bool ReadSome(int timeoutMs) {
    pollfd readable{master_, POLLIN, 0};
    if (::poll(&readable, 1, timeoutMs) <= 0) return false;
    char buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) return false;
    shown_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int master_ = -1;
  pid_t child_ = 0;
  std::string shown_;
};

}  // namespace verdatest
