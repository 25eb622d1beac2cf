// The host's free-form command window, and the analyzer's error-code query.
#include <algorithm>
#include <climits>
#include <cstring>

#include "DecimalValue.h"
#include "ProtocolTiming.h"
#include "RemoteBracket.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr int kReplyLineRoom = 256;
constexpr char kLineSeparator = '\t';
constexpr char kEmptyLine[] = "\r\n";

bool IsQuery(const char* text) { return text[0] == 'Q' || text[0] == 'q'; }

int ClampToInt(long value) { return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX)); }

}  // namespace

// Reply lines go into `result` without their line ends, each followed by a
// TAB. Lines are taken while the received bytes stay below `length`, and
// nothing is ever written past result[length - 1].
void Talvinet::ReadGenericReply(const char* text, char* result, int length) {
  char line[kReplyLineRoom + 1] = {};
  int count = 0;
  int total = 0;
  const auto readLine = [&] {
    count = 0;
    ReadStr(line, &count, kReplyLineRoom);
    return count > 0;
  };
  const auto append = [&] {
    const std::size_t room = static_cast<std::size_t>(length) - 1;
    std::size_t used = ::strnlen(result, room);
    const std::size_t take = std::min(std::strlen(line), room - used);
    std::memcpy(result + used, line, take);
    result[used + take] = '\0';
    SanitizeResultString(result, length);
    used = std::strlen(result);
    if (used < room) {
      result[used] = kLineSeparator;
      result[used + 1] = '\0';
    }
  };
  // Counts the line just read; false once the reply no longer fits.
  const auto take = [&] {
    total += count;
    if (total >= length) return false;
    append();
    return true;
  };

  const unsigned short lines = GetLinesInResult(text);
  if (lines == timing::kLinesUntilEmptyLine) {
    for (int i = 0; i < timing::kMaxLinesUntilEmptyLine; ++i) {
      if (!readLine() || std::strcmp(line, kEmptyLine) == 0 || !take()) return;
    }
    return;
  }
  long following = lines;
  if (lines == timing::kCountedLines) {
    following = readLine() ? DecimalValue(line) : 0;
    if (count > 0 && !take()) return;
  }
  // A line that stays silent for a whole read time-out has ended the reply,
  // whatever count the analyzer announced.
  for (long i = 0; i < following; ++i) {
    if (!readLine() || !take()) return;
  }
}

int Talvinet::SendGenericCommand(const char* text, char* result, int length, int remote) {
  if (text == nullptr || result == nullptr || length < 1) return 0;
  result[0] = '\0';
  int succeeded = 0;
  {
    RemoteBracket bracket(*this, remote);
    if (!IsQuery(text)) {
      succeeded = SendRTACommandString(text);
    } else if (SendRTAQueryString(text) != 0) {
      ReadGenericReply(text, result, length);
      succeeded = 1;
    }
  }
  DiscardSerialData();
  return succeeded;
}

int Talvinet::GetErrorCode(int* code, int remote) {
  if (code == nullptr) return 0;
  *code = 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString("QER\r\n") == 0) return 0;
  char line[kReplyLineRoom + 1] = {};
  int count = 0;
  ReadStr(line, &count, kReplyLineRoom);
  if (count <= 0) return 0;
  *code = ClampToInt(DecimalValue(line));
  return 1;
}
