// The analyzer's file and record listings: a count query, then its lines.
#include <cctype>
#include <cstring>
#include <string_view>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "SerialLink.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

// Listing columns.
constexpr std::size_t kFileNameColumn = 0;
constexpr std::size_t kFileColumn10 = 10;
constexpr std::size_t kFileColumn20 = 20;
constexpr std::size_t kFileColumn30 = 30;
constexpr std::size_t kFileTextWidth = 8;
constexpr std::size_t kRecordTypeColumn = 0;
constexpr std::size_t kRecordNumberColumn = 8;
constexpr std::size_t kRecordNameColumn = 16;
constexpr std::size_t kRecordNameWidth = 11;
constexpr std::size_t kRecordInfoColumn = 28;
constexpr std::size_t kRecordInfoWidth = 64;
constexpr std::size_t kWholeLine = 256;

constexpr long kLargestTypeCode = 255;

// A count line holds the number alone: a listing whose count line was lost
// must not have its first entry taken for the count.
bool NumberAlone(std::string_view text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  const std::size_t digits = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) ++i;
  return i > digits && text.find_first_not_of(" \r\n", i) == std::string_view::npos;
}

}  // namespace

bool Talvinet::ReadListingLine(char* line, int room) {
  int count = 0;
  ReadStr(line, &count, room);
  return count > 0;
}

bool Talvinet::ReadListingCount(int* count) {
  *count = 0;
  char line[timing::kReplyLineRoom + 1] = {};
  if (!ReadListingLine(line, timing::kReplyLineRoom)) return false;
  const auto value = StrictDecimal(line);
  if (!NumberAlone(line) || !value || *value < 0 || *value > timing::kMaxListingEntries) return false;
  *count = static_cast<int>(*value);
  return true;
}

// Bytes a second on the serial line, as the listing waits count them.
int Talvinet::SerialBytesPerSecond() { return OnOpenSerialLink() ? link->baudRate / 8 : 0; }

int Talvinet::GetMemoryFileCount(int* count, int remote) {
  if (count == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString("QFD\r\n") == 0 || !ReadListingCount(count)) return 0;
  if (const int b = SerialBytesPerSecond(); b > 0) {
    Wait(static_cast<int>(*count * timing::kFileListingBytes / b * timing::kFileListingMargin));
  }
  return 1;
}

int Talvinet::GetDiskFileCount(int* count, int remote) {
  if (count == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString("QDD\r\n") == 0 || !ReadListingCount(count)) return 0;
  if (const int b = SerialBytesPerSecond(); b > 0) {
    Wait(*count * timing::kDiskListingBytes / b * timing::kDiskListingMargin);
  }
  return 1;
}

int Talvinet::GetRecordCount(int* count, int remote) {
  if (count == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString("QRD\r\n") == 0) return 0;
  Wait(timing::kRecordCountPauseMs);
  if (!ReadListingCount(count)) return 0;
  if (const int b = SerialBytesPerSecond(); b > 0) {
    Wait(static_cast<int>(*count * timing::kRecordListingBytes / b * timing::kRecordListingMargin));
  }
  return 1;
}

// Every announced line must come: a listing cut short fails at its first
// missing line instead of waiting out a time-out for each of the others.
int Talvinet::GetFiles(FileStruct* files, int count) {
  if (files == nullptr || count < 1) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  for (int i = 0; i < count; ++i) {
    if (!ReadListingLine(line, timing::kReplyLineRoom)) return 0;
    FileStruct& file = files[i];
    CopyColumn(file.name, sizeof file.name, line, kFileNameColumn, kFileTextWidth);
    CopyColumn(file.column10Text, sizeof file.column10Text, line, kFileColumn10, kFileTextWidth);
    CopyColumn(file.column20Text, sizeof file.column20Text, line, kFileColumn20, kFileTextWidth);
    const auto value = StrictDecimal(Column(line, kFileColumn30, kWholeLine));
    file.column30Value = value ? static_cast<std::int32_t>(*value) : 0;
  }
  return 1;
}

// A record line without a type code of 0 to 255 and a positive number
// cannot name a record: the listing is corrupt.
int Talvinet::GetRecords(RecordStruct* records, int count) {
  if (records == nullptr || count < 1) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  for (int i = 0; i < count; ++i) {
    if (!ReadListingLine(line, timing::kReplyLineRoom)) return 0;
    const auto type = StrictDecimal(Column(line, kRecordTypeColumn, kRecordNumberColumn));
    const auto number = StrictDecimal(Column(line, kRecordNumberColumn, kRecordNameColumn - kRecordNumberColumn));
    if (!type || *type < 0 || *type > kLargestTypeCode || !number || *number < 1 || *number > INT32_MAX) return 0;
    RecordStruct& record = records[i];
    record.type = static_cast<std::uint8_t>(*type);
    record.number = static_cast<std::int32_t>(*number);
    record.size = 0;
    record.units = 0;
    CopyColumn(record.name, sizeof record.name, line, kRecordNameColumn, kRecordNameWidth);
    CopyColumn(record.info, sizeof record.info, line, kRecordInfoColumn, kRecordInfoWidth);
  }
  return 1;
}
