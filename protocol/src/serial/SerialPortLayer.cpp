#include "serial/SerialPortLayer.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace talvinet {
namespace {

// A write may take as long as the text needs on the line (10 bits a
// character), plus this much for a busy device or a slow reader.
constexpr std::chrono::milliseconds kWriteGrace(1000);
constexpr std::size_t kReadChunk = 4096;
constexpr std::chrono::milliseconds kOutputPoll(1);

}  // namespace

SerialPortLayer::SerialPortLayer(std::unique_ptr<ByteChannel> channel, Clock& clock, std::size_t receiveQueueSize)
    : channel_(std::move(channel)), clock_(clock), receiveQueueSize_(receiveQueueSize) {}

int SerialPortLayer::Reconfigure() { return channel_->Configure(settings_) ? 0 : kSettingRejected; }

int SerialPortLayer::Parity(char parity) {
  settings_.parity = parity;
  return Reconfigure();
}

int SerialPortLayer::StopBits(int stopBits) {
  settings_.stopBits = stopBits;
  return Reconfigure();
}

int SerialPortLayer::DataLength(int dataBits) {
  settings_.dataBits = dataBits;
  return Reconfigure();
}

int SerialPortLayer::BaudRate(long rate) {
  if (!IsSupportedBaudRate(rate)) return kBaudRateRejected;
  const long previous = settings_.baudRate;
  settings_.baudRate = rate;
  if (Reconfigure() == 0) return 0;
  settings_.baudRate = previous;
  return kBaudRateRejected;
}

int SerialPortLayer::Dtr(int on) {
  dtr_ = on != 0;
  channel_->SetModemLines(dtr_, rts_);
  return 0;
}

int SerialPortLayer::Rts(int on) {
  rts_ = on != 0;
  channel_->SetModemLines(dtr_, rts_);
  return 0;
}

int SerialPortLayer::SetHandShake(int rtsCts, int /*dtrDsr: no DSR flow control in termios*/) {
  settings_.hardwareHandshake = rtsCts != 0;
  return Reconfigure();
}

void SerialPortLayer::RXFlush(int) {
  channel_->DiscardInput();
  received_.clear();
}

// Bytes that PutString and PutChar accepted were reported as sent; dropping
// them now would lose what the caller believes is on the line (such as the
// local-mode code after a command), so they are let out instead.
void SerialPortLayer::TXFlush() {
  const auto deadline = clock_.Now() + kWriteGrace;
  while (channel_->PendingOutput() > 0 && clock_.Now() < deadline) clock_.SleepUntil(clock_.Now() + kOutputPoll);
}

void SerialPortLayer::Fill(Clock::TimePoint deadline) {
  unsigned char chunk[kReadChunk];
  while (!lineGone_ && received_.size() < receiveQueueSize_) {
    const std::size_t room = std::min(kReadChunk, receiveQueueSize_ - received_.size());
    const long n = channel_->Read(chunk, room, received_.empty() ? deadline : clock_.Now());
    if (n < 0) lineGone_ = true;
    if (n <= 0) return;
    bytesHeard_ += static_cast<std::uint64_t>(n);
    received_.insert(received_.end(), chunk, chunk + n);
  }
}

long SerialPortLayer::RXCount() {
  Fill(clock_.Now());
  return static_cast<long>(received_.size());
}

long SerialPortLayer::TXCount() { return static_cast<long>(channel_->PendingOutput()); }

bool SerialPortLayer::WaitForData(Clock::TimePoint deadline) {
  Fill(deadline);
  return !received_.empty();
}

long SerialPortLayer::Send(const unsigned char* data, std::size_t size) {
  if (lineGone_) return -1;
  const auto lineTime = std::chrono::milliseconds(static_cast<long long>(size) * 10 * 1000 / settings_.baudRate);
  const long sent = channel_->Write(data, size, clock_.Now() + lineTime + kWriteGrace);
  if (sent < 0) lineGone_ = true;
  return sent;
}

long SerialPortLayer::PutString(const char* text, int mode) {
  if (text == nullptr) return -1;
  std::string bytes(text);
  if (mode == kAppendLineFeed) bytes.push_back('\n');
  if (bytes.empty()) return 0;
  const long sent = Send(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return sent == static_cast<long>(bytes.size()) ? sent : -1;
}

long SerialPortLayer::GetString(char* buffer, long room, int terminator, long timeoutMs) {
  if (buffer == nullptr) return 0;
  const auto deadline = After(timeoutMs);
  long stored = 0;
  while (stored < room && WaitForData(deadline)) {
    const unsigned char byte = received_.front();
    received_.pop_front();
    buffer[stored++] = static_cast<char>(byte);
    if (byte == terminator) break;
  }
  return stored;
}

long SerialPortLayer::GetBuffer(unsigned char* buffer, long room, long timeoutMs) {
  if (buffer == nullptr) return 0;
  const auto deadline = After(timeoutMs);
  long stored = 0;
  while (stored < room && WaitForData(deadline)) {
    const long take = std::min<long>(room - stored, static_cast<long>(received_.size()));
    std::copy_n(received_.begin(), take, buffer + stored);
    received_.erase(received_.begin(), received_.begin() + take);
    stored += take;
  }
  return stored;
}

int SerialPortLayer::GetChar(long timeoutMs) {
  if (!WaitForData(After(timeoutMs))) return kCharTimedOut;
  const unsigned char byte = received_.front();
  received_.pop_front();
  return byte;
}

int SerialPortLayer::PutChar(unsigned char byte) { return Send(&byte, 1) == 1 ? 0 : -1; }

}  // namespace talvinet
