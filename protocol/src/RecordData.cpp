// A record's size and bytes, over either transport.
#include <algorithm>
#include <cstdio>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "SerialLink.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

std::string RecordQuery(const char* mnemonic, unsigned char type, int number) {
  char text[kMaxCommandSize];
  std::snprintf(text, sizeof text, "%s %d,%d\r\n", mnemonic, static_cast<int>(type), number);
  return text;
}

}  // namespace

// A size that is not a number, or is negative, is no size at all.
int Talvinet::GetRecordSize(unsigned char type, int number, int* size, int remote) {
  if (size == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString(RecordQuery("QRLR", type, number).c_str()) == 0) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  int count = 0;
  ReadStr(line, &count, timing::kReplyLineRoom);
  if (count <= 0) return 0;
  const auto value = StrictDecimal(line);
  if (!value || *value < 0 || *value > INT32_MAX) return 0;
  *size = static_cast<int>(*value);
  return 1;
}

int Talvinet::GetRecordData(unsigned char type, int number, int size, unsigned char* data, int remote,
                            const MessageHandler& progressWindow, int progressMessage) {
  if (size < 0 || (data == nullptr && size > 0)) return 0;
  RemoteBracket bracket(*this, remote);
  const std::string query = RecordQuery("QRR", type, number);
  if (transport == kParallelTransport) {
    if (SendRTAQueryString(query.c_str()) == 0) return 0;
    // Lintarra refuses a read of nothing; a record of 0 bytes is whole at once.
    const bool whole = size == 0 || ReadBuffer(data, size) == size;
    Wait(timing::kParallelRecordDataPauseMs);
    return whole ? 1 : 0;
  }
  if (SendRTAQueryString(query.c_str()) == 0) return 0;
  return ReadRecordDataSerial(data, size, progressWindow, progressMessage);
}

// Polls the line at the pace of its baud rate until the record is whole, ten
// polls in a row bring nothing, or the progress window answers non-zero.
// Bytes beyond the record stay unread; the next send discards them.
int Talvinet::ReadRecordDataSerial(unsigned char* data, int size, const MessageHandler& progressWindow,
                                   int progressMessage) {
  if (!OnOpenSerialLink()) return 0;
  Wait(timing::kRecordDataStartMs);
  const int pollMs = static_cast<int>(timing::kRecordDataPollMicrosecondsTimesBaud / std::max(link->baudRate, 1));
  int received = 0;
  int idle = 0;
  while (received < size && idle < timing::kRecordDataIdlePolls) {
    Wait(pollMs);
    const long waiting = link->serial->RXCount();
    if (waiting > 0) {
      idle = 0;
      const long room = std::min<long>(waiting, size - received);
      const long taken = link->serial->GetBuffer(data + received, room, timing::kRecordDataTakeTimeoutMs);
      received += static_cast<int>(taken);
      bytesReceived += static_cast<std::uint32_t>(taken);
    }
    if (progressWindow && progressMessage != 0 &&
        progressWindow(static_cast<unsigned int>(progressMessage), static_cast<long>(bytesReceived),
                       static_cast<long>(bytesExpected)) != 0) {
      break;
    }
    ++idle;
  }
  if (received == 0 && idle >= timing::kRecordDataIdlePolls) link->CountSilentRead();
  return received == size ? 1 : 0;
}
