// The analyzer's end of a pseudo-terminal: the code under test opens the
// slave side as its serial device; this peer, on the master side, records the
// exact bytes that arrive and answers them in a thread of its own.
#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace talvinet::testing {

class PtyPeer {
 public:
  PtyPeer();
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  // The device file to open as the serial port.
  const std::string& SlavePath() const { return slavePath_; }

  // Once the bytes received (since the last trigger) contain `trigger`, send `reply`.
  void Answer(const std::string& trigger, const std::string& reply);
  // As Answer, then, 300 ms later, close the master side: the line goes dead mid-reply.
  void AnswerAndHangUp(const std::string& trigger, const std::string& partialReply);

  // Every byte received so far.
  std::string Received();
  // Waits (up to two seconds) until `size` bytes have arrived.
  std::string ReceivedAtLeast(std::size_t size);

 private:
  struct Rule {
    std::string trigger;
    std::string reply;
    bool hangUp;
  };
  void Run();
  void CloseMaster();

  int master_ = -1;
  std::string slavePath_;
  std::mutex mutex_;
  std::deque<Rule> rules_;
  std::string received_;
  std::size_t matchedUpTo_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace talvinet::testing
