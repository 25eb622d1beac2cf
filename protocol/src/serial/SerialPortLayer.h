// Our serial library: a receive queue over a byte channel, with the
// operations and results the connection code relies on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "talvinet/ByteChannel.h"
#include "talvinet/Clock.h"

namespace talvinet {

class SerialPortLayer {
 public:
  static constexpr int kBaudRateRejected = -801;
  static constexpr int kCharTimedOut = -34;
  static constexpr int kSettingRejected = -1;

  // PutString modes: the text is sent as it is (-1: it holds its own line
  // feed, -3: it holds none); -2 appends a line feed to it.
  static constexpr int kSendAsIs = -1;
  static constexpr int kAppendLineFeed = -2;
  static constexpr int kSendWithoutLineFeed = -3;

  SerialPortLayer(std::unique_ptr<ByteChannel> channel, Clock& clock, std::size_t receiveQueueSize);

  // 0 while the line is healthy.
  int GetCommError() const { return lineGone_ ? 1 : 0; }
  // Bytes the device has delivered since the layer was made.
  std::uint64_t BytesHeard() const { return bytesHeard_; }

  int Parity(char parity);
  int StopBits(int stopBits);
  int DataLength(int dataBits);
  int BaudRate(long rate);  // kBaudRateRejected for a rate the device cannot take
  int Dtr(int on);
  int Rts(int on);
  int SetHandShake(int rtsCts, int dtrDsr);

  void RXFlush(int unused);
  // Lets accepted output leave the device rather than dropping it.
  void TXFlush();
  long RXCount();
  long TXCount();

  // Bytes sent (at least 1 on success), or a negative value.
  long PutString(const char* text, int mode);
  // Up to `room` bytes, ending after `terminator`, within `timeoutMs`.
  long GetString(char* buffer, long room, int terminator, long timeoutMs);
  // Up to `room` bytes of what arrives within `timeoutMs`; 0 when nothing waits.
  long GetBuffer(unsigned char* buffer, long room, long timeoutMs);
  // The byte 0-255, or kCharTimedOut.
  int GetChar(long timeoutMs);
  // 0 when the byte went out.
  int PutChar(unsigned char byte);

  // True once data waits; false at `deadline` or when the line is gone.
  bool WaitForData(Clock::TimePoint deadline);

  Clock& clock() { return clock_; }

 private:
  int Reconfigure();
  // Moves what the channel holds into the receive queue, waiting until
  // `deadline` for the first byte when the queue is empty.
  void Fill(Clock::TimePoint deadline);
  Clock::TimePoint After(long milliseconds) { return clock_.Now() + std::chrono::milliseconds(milliseconds); }
  long Send(const unsigned char* data, std::size_t size);

  std::unique_ptr<ByteChannel> channel_;
  Clock& clock_;
  std::size_t receiveQueueSize_;
  std::deque<unsigned char> received_;
  LineSettings settings_;
  bool dtr_ = true;
  bool rts_ = true;
  bool lineGone_ = false;
  std::uint64_t bytesHeard_ = 0;
};

}  // namespace talvinet
