#include "SerialLink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ProtocolTiming.h"
#include "serial/OpenFailure.h"
#include "talvinet/Talvinet.h"

using talvinet::SerialPortLayer;
namespace timing = talvinet::timing;

namespace {

constexpr int kNoData = -51;
constexpr int kFirstPort = 1;
constexpr int kLastPort = 4;
constexpr std::size_t kReceiveQueueSize = 256000;

// What ReadChar returns when nothing came, and when there is no serial object.
constexpr char kNothingReceived = static_cast<char>(0xCD);
constexpr char kNoSerialObject = static_cast<char>(0xCC);

}  // namespace

SerialLink::SerialLink(int port, std::string devicePath, talvinet::Clock& clock)
    : portIndex(port - 1), devicePath_(std::move(devicePath)), clock_(clock) {}

SerialLink::~SerialLink() { Close(); }

talvinet::Clock::TimePoint SerialLink::SecondsFromNow(int seconds) const {
  return clock_.Now() + std::chrono::seconds(seconds);
}

int SerialLink::Open(const talvinet::ChannelOpener& openChannel) {
  if (isOpen) Close();
  lastError = 0;
  openFailure.clear();
  openFoundPortInUse = false;
  const int port = portIndex + 1;
  const bool validPort = port >= kFirstPort && port <= kLastPort;
  std::unique_ptr<talvinet::ByteChannel> channel;
  if (!validPort) {
    openFailure = "port " + std::to_string(port) + " is not one of the serial ports 1 to 4";
  } else if (openChannel) {
    errno = 0;
    channel = openChannel(devicePath_, clock_);
    if (!channel) {
      openFoundPortInUse = errno == EBUSY;
      openFailure = talvinet::DescribeOpenFailure(devicePath_, errno);
    }
  }
  if (channel) serial = std::make_unique<SerialPortLayer>(std::move(channel), clock_, kReceiveQueueSize);
  if (!serial || serial->GetCommError() != 0) {
    if (openFailure.empty()) openFailure = talvinet::DescribeOpenFailure(devicePath_, 0);
    Close();
    lastError = talvinet::kStatusNoConnection;
    return lastError;
  }
  serial->Parity(parity);
  serial->StopBits(stopBits);
  serial->DataLength(dataBits);
  if (serial->BaudRate(baudRate) == SerialPortLayer::kBaudRateRejected) {
    lastError = talvinet::kStatusNoConnection;
    openFailure = "the device does not take " + std::to_string(baudRate) + " baud";
  }
  isOpen = 1;
  serial->Dtr(dtr);
  serial->Rts(rts);
  serial->SetHandShake(handshake != 0 ? 1 : 0, handshake != 0 ? 1 : 0);
  return lastError;
}

int SerialLink::Close() {
  lastError = 0;
  serial.reset();
  isOpen = 0;
  silentReads = 0;
  heardAtLastSilence = 0;
  return 0;
}

void SerialLink::CountSilentRead() {
  ++silentReads;
  heardAtLastSilence = serial ? serial->BytesHeard() : 0;
}

void SerialLink::WaitForTransmitDrained() {
  const auto deadline = SecondsFromNow(timeoutSeconds);
  while (serial->TXCount() > 0 && clock_.Now() < deadline) clock_.SleepUntil(clock_.Now() + timing::kTransmitPoll);
}

int SerialLink::WaitForData(int seconds) { return serial->WaitForData(SecondsFromNow(seconds)) ? 0 : kNoData; }

int SerialLink::SendText(const char* text) {
  serial->RXFlush(0);
  // Whatever still streams in after the flush is discarded as well, for as
  // long as a read may wait.
  const auto deadline = SecondsFromNow(timeoutSeconds);
  while (serial->RXCount() > 0 && clock_.Now() < deadline) serial->RXFlush(0);
  const bool holdsLineFeed = std::strchr(text, '\n') != nullptr;
  int mode = SerialPortLayer::kSendAsIs;
  if (lineFeedOption && !holdsLineFeed) {
    mode = noLineFeedOption ? SerialPortLayer::kSendWithoutLineFeed : SerialPortLayer::kAppendLineFeed;
  }
  return serial->PutString(text, mode) >= 1 ? talvinet::kStatusOk : talvinet::kStatusWriteFailed;
}

int SerialLink::SendChar(char c) {
  return serial->PutChar(static_cast<unsigned char>(c)) != 0 ? talvinet::kStatusWriteFailed : talvinet::kStatusOk;
}

int SerialLink::ReadLine(char* buffer, int* count, int max) {
  WaitForTransmitDrained();
  *count = 0;
  max = std::max(max, 0);
  if (WaitForData(timeoutSeconds) != 0) {
    buffer[0] = '\0';
    CountSilentRead();
    return talvinet::kStatusTimedOut;
  }
  int stored = 0;
  long got = 0;
  for (;;) {
    const long waiting = serial->RXCount();
    got = 0;
    if (waiting > 0) {
      const long take = std::min<long>(waiting, max - stored);
      got = serial->GetString(buffer + stored, take, '\n', timeoutSeconds * 1000L);
    }
    stored += static_cast<int>(got);
    if (stored >= max || (stored > 0 && (buffer[stored - 1] == '\n' || buffer[stored - 1] == '\r'))) break;
    if (WaitForData(timing::kMoreOfLineSeconds) != 0) break;
    clock_.SleepUntil(clock_.Now() + timing::kLinePassPause);
  }
  buffer[stored] = '\0';
  *count = stored;
  return got > 0 ? talvinet::kStatusOk : talvinet::kStatusTimedOut;
}

int SerialLink::ReadBlock(unsigned char* buffer, int* count, int length) {
  WaitForTransmitDrained();
  auto deadline = SecondsFromNow(timeoutSeconds);
  int received = 0;
  *count = 0;
  while (received < length) {
    const long got = serial->GetBuffer(buffer + received, length - received, 0);
    if (got > 0) {
      received += static_cast<int>(got);
      *count = received;
      deadline = SecondsFromNow(timeoutSeconds);
    } else if (clock_.Now() >= deadline || !serial->WaitForData(deadline)) {
      if (received == 0) CountSilentRead();
      return talvinet::kStatusTimedOut;
    }
  }
  return talvinet::kStatusOk;
}

char SerialLink::ReadChar(int* error) {
  if (!serial) {
    *error = 1;
    return kNoSerialObject;
  }
  const int result = serial->GetChar(timeoutSeconds * 1000L);
  if (result == SerialPortLayer::kCharTimedOut) {
    CountSilentRead();
    *error = 1;
    return kNothingReceived;
  }
  *error = 0;
  return static_cast<char>(result);
}
