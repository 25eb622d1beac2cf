// Pressing the analyzer's keys and reading its key names.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "DecimalValue.h"
#include "ListingText.h"
#include "ProtocolTiming.h"
#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr char kAllKeysQuery[] = "QKE *\r\n";
constexpr char kEndOfList[] = "\r\n";
constexpr std::size_t kKeyNameLength = kKeyNameRoom - 1;

// Copies up to 7 characters of a name, stopping at `closingQuote` (NUL for
// none) or the end of the line.
void CopyKeyName(char* name, std::string_view text, char closingQuote) {
  const std::size_t end = std::min(text.find(closingQuote), text.find_first_of("\r\n"));
  const std::size_t length = std::min({end, text.size(), kKeyNameLength});
  std::memcpy(name, text.data(), length);
  name[length] = '\0';
}

// A line of the key list: the key number, then its name in quotes.
void TakeKeyListLine(KeyboardStruct& keys, const char* line) {
  const std::optional<long> number = StrictDecimal(line);
  if (!number || *number < 0 || *number >= kKeyCount) return;
  const std::string_view text(line);
  const std::size_t open = text.find_first_of("'\"");
  if (open == std::string_view::npos || text.find(text[open], open + 1) == std::string_view::npos) return;
  CopyKeyName(keys.keyName[*number], text.substr(open + 1), text[open]);
}

}  // namespace

int Talvinet::EmulateKeystroke(int key, int remote) {
  if (key >= kKeyCount) return 0;
  char text[kMaxCommandSize];
  std::snprintf(text, sizeof text, "KE %d\r\n", key);
  RemoteBracket bracket(*this, remote);
  return SendRTACommandStringWithDelay(text);
}

int Talvinet::EmulateKeystroke(const char* name, int remote) {
  if (name == nullptr) return 0;
  const std::string command = NameCommand("KE '%s'\r\n", name);
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  return SendRTACommandStringWithDelay(command.c_str());
}

int Talvinet::GetKeyName(int key, char* name, int room, int remote) {
  if (name == nullptr || room < kKeyNameRoom) return 0;
  name[0] = '\0';
  char text[kMaxCommandSize];
  std::snprintf(text, sizeof text, "QKE %d\r\n", key);
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString(text) == 0) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  int count = 0;
  ReadStr(line, &count, timing::kReplyLineRoom);
  if (count <= 0) return 0;
  // The reply starts with a quote mark; the name ends at its partner.
  const char quote = line[0] == '\'' || line[0] == '"' ? line[0] : '\0';
  if (line[0] != '\0') CopyKeyName(name, line + 1, quote);
  return 1;
}

int Talvinet::GetKeyNumber(const char* name, int* key, int remote) {
  if (name == nullptr || key == nullptr) return 0;
  *key = 0;
  const std::string query = NameCommand("QKE %s\r\n", name);
  if (query.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString(query.c_str()) == 0) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  int count = 0;
  ReadStr(line, &count, timing::kReplyLineRoom);
  if (count <= 0) return 0;
  *key = static_cast<int>(std::clamp<long>(DecimalValue(line), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  return 1;
}

// The list ends with an empty line; a key table cannot need more lines than
// there are key numbers, so an endless list is cut there.
int Talvinet::GetDefinedKeys(KeyboardStruct* keys, int remote) {
  if (keys == nullptr) return 0;
  std::memset(keys, 0, sizeof *keys);
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString(kAllKeysQuery) == 0) return 0;
  int lines = 0;
  for (; lines < kKeyCount; ++lines) {
    char line[timing::kReplyLineRoom + 1] = {};
    int count = 0;
    ReadStr(line, &count, timing::kReplyLineRoom);
    if (count <= 0 || std::strcmp(line, kEndOfList) == 0) break;
    TakeKeyListLine(*keys, line);
  }
  return lines > 0 ? 1 : 0;
}
