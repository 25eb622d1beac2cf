// The exchanges most settings operations are made of: a formatted command,
// and a query whose one reply line is a text or a number.
#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "DecimalValue.h"
#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

bool Talvinet::QueryLine(const char* query, char* line, int room) {
  if (SendRTAQueryString(query) == 0) return false;
  int count = 0;
  ReadStr(line, &count, std::clamp(room, 1, timing::kReplyLineRoom));
  return count > 0;
}

int Talvinet::SendFormattedCommand(int remote, const char* format, ...) {
  char text[kMaxCommandSize];
  va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  if (length < 0 || length >= kMaxCommandSize) return 0;
  RemoteBracket bracket(*this, remote);
  return SendRTACommandString(text);
}

int Talvinet::QueryCleanText(const char* query, char* text, int room, int remote) {
  if (text == nullptr || room < 1) return 0;
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  const std::size_t n = std::min(std::strlen(line), static_cast<std::size_t>(room) - 1);
  std::memcpy(text, line, n);
  text[n] = '\0';
  SanitizeResultString(text, room);
  return 1;
}

int Talvinet::QueryNumber(const char* query, int* value, int remote) {
  if (value == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  *value = static_cast<int>(std::clamp<long>(DecimalValue(line), INT_MIN, INT_MAX));
  return 1;
}
