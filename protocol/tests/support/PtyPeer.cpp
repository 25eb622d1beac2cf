#include "PtyPeer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace talvinet::testing {

PtyPeer::PtyPeer() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) throw std::runtime_error("no pseudo-terminal");
  slavePath_ = ptsname(master_);
  thread_ = std::thread([this] { Run(); });
}

PtyPeer::~PtyPeer() {
  stop_ = true;
  thread_.join();
  CloseMaster();
}

void PtyPeer::CloseMaster() {
  if (master_ >= 0) close(master_);
  master_ = -1;
}

void PtyPeer::Answer(const std::string& trigger, const std::string& reply) {
  std::lock_guard lock(mutex_);
  rules_.push_back({trigger, reply, false});
}

void PtyPeer::AnswerAndHangUp(const std::string& trigger, const std::string& partialReply) {
  std::lock_guard lock(mutex_);
  rules_.push_back({trigger, partialReply, true});
}

std::string PtyPeer::Received() {
  std::lock_guard lock(mutex_);
  return received_;
}

std::string PtyPeer::ReceivedAtLeast(std::size_t size) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < giveUp) {
    {
      std::lock_guard lock(mutex_);
      if (received_.size() >= size) return received_;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return Received();
}

void PtyPeer::Run() {
  while (!stop_ && master_ >= 0) {
    pollfd entry{master_, POLLIN, 0};
    const int ready = poll(&entry, 1, 10);
    if (ready <= 0) continue;
    if ((entry.revents & POLLIN) == 0) {
      // No slave open yet, or it was closed: nothing to read for now.
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    char chunk[512];
    const ssize_t n = read(master_, chunk, sizeof chunk);
    if (n <= 0) continue;
    std::lock_guard lock(mutex_);
    received_.append(chunk, static_cast<std::size_t>(n));
    while (!rules_.empty()) {
      const std::size_t found = received_.find(rules_.front().trigger, matchedUpTo_);
      if (found == std::string::npos) break;
      matchedUpTo_ = found + rules_.front().trigger.size();
      const Rule rule = rules_.front();
      rules_.pop_front();
      if (!rule.reply.empty() && write(master_, rule.reply.data(), rule.reply.size()) < 0) return;
      if (rule.hangUp) {
        // A hang-up flushes what the slave has not read yet: give the
        // reader time to take the partial reply first.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        CloseMaster();
        return;
      }
    }
  }
}

}  // namespace talvinet::testing
