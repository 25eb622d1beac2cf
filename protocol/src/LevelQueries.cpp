// Levels the analyzer measures: the displayed frequency range, band and
// summation levels, the sound level meter and loudness in phon.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "ReplyParsers.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr int kFrequencyRangeRoom = 128;

}  // namespace

int Talvinet::GetDisplayedFrequencyRange(FrequencyRangeStruct* range, int remote) {
  if (range == nullptr) return 0;
  std::memset(range, 0, sizeof *range);
  RemoteBracket bracket(*this, remote);
  char line[kFrequencyRangeRoom + 1] = {};
  if (!QueryLine("QFQ\r\n", line, kFrequencyRangeRoom)) return 0;
  const auto fields = CommaFields(line);
  CopyText(range->lowText, sizeof range->lowText, FieldAt(fields, 0));
  CopyText(range->highText, sizeof range->highText, FieldAt(fields, 1));
  for (std::size_t i = 0; i < std::size(range->rangeValue); ++i) {
    range->rangeValue[i] = static_cast<std::uint16_t>(FieldValue(FieldAt(fields, i + 2)));
  }
  return 1;
}

int Talvinet::GetFrequencyLevel(int a, int b, char* text, int room, int remote) {
  if (text == nullptr || room < 1) return 0;
  std::memset(text, 0, static_cast<std::size_t>(room));
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QLV %d,%d,%d\r\n", a, a, b);
  return QueryCleanText(query, text, room, remote);
}

// The raw reply, line end and all.
int Talvinet::GetFrequencyLevelRange(int a, int b, int c, char* text, int room, int remote) {
  if (text == nullptr || room < 1) return 0;
  std::memset(text, 0, static_cast<std::size_t>(room));
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QLV %d,%d,%d\r\n", a, b, c);
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, std::max(room - 1, 1))) return 0;
  CopyText(text, static_cast<std::size_t>(room), line);
  return 1;
}

int Talvinet::GetSummationLevel(int n, char* first, int firstRoom, char* second, int secondRoom, int remote) {
  if (first == nullptr || second == nullptr || firstRoom < 1 || secondRoom < 1) return 0;
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QSM %d\r\n", n);
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  const auto fields = CommaFields(line);
  CopyText(first, static_cast<std::size_t>(firstRoom), FieldAt(fields, 0));
  CopyText(second, static_cast<std::size_t>(secondRoom), FieldAt(fields, 1));
  SanitizeResultString(first, firstRoom);
  SanitizeResultString(second, secondRoom);
  return 1;
}

int Talvinet::GetSummationLevel(int n, double* first, double* second, int a, int b, int remote) {
  if (first == nullptr || second == nullptr) return 0;
  *first = 0;
  *second = 0;
  char query[kMaxCommandSize];
  if (a == -1 || b == -1) {
    std::snprintf(query, sizeof query, "QSM %d\r\n", n);
  } else {
    std::snprintf(query, sizeof query, "QSM %d,%d,%d\r\n", n, a, b);
  }
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  const auto fields = CommaFields(line);
  *first = FieldFraction(FieldAt(fields, 0));
  *second = FieldFraction(FieldAt(fields, 1));
  return 1;
}

int Talvinet::QueryFraction(const char* query, double* value, int remote) {
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine(query, line, timing::kReplyLineRoom)) return 0;
  *value = FieldFraction(line);
  return 1;
}

int Talvinet::GetSLMLevel(int n, double* level, int remote) {
  if (level == nullptr) return 0;
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QSL %d\r\n", n);
  return QueryFraction(query, level, remote);
}

int Talvinet::GetPhon(int n, float* phon, int remote) {
  if (phon == nullptr) return 0;
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QPH %d\r\n", n);
  double value = 0;
  if (QueryFraction(query, &value, remote) == 0) return 0;
  *phon = static_cast<float>(value);
  return 1;
}
