// The analyzer's memory files: the current file, creating, erasing and
// storing files, and deleting records.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

int Talvinet::GetCurrentFile(char* name, int room, int remote) {
  return QueryCleanText("QFS\r\n", name, room, remote);
}

// The analyzer is told twice, and given time, before its answer is trusted;
// the name must come back exactly as given.
int Talvinet::SetCurrentFile(const char* name, int remote) {
  if (name == nullptr) return 0;
  const std::string command = NameCommand("FS '%s'\r\n", name);
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTACommandString(command.c_str()) == 0) return 0;
  SendRTACommandString(command.c_str());
  Wait(timing::kSelectFileSettleMs);
  char current[timing::kReplyLineRoom] = {};
  return GetCurrentFile(current, sizeof current, 0) != 0 && std::strcmp(current, name) == 0 ? 1 : 0;
}

int Talvinet::CreateMemoryFile(const char* name, int remote) {
  if (name == nullptr) return 0;
  const std::string padded = PadFileName(name);
  const std::string command = NameCommand("FC '%s'\r\n", padded);
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTACommandString(command.c_str()) == 0) return 0;
  char current[timing::kReplyLineRoom] = {};
  return GetCurrentFile(current, sizeof current, 0) != 0 && SameIgnoringCase(current, padded) ? 1 : 0;
}

// Deleted once the analyzer names another file as current; a silent
// analyzer has deleted nothing as far as anyone can tell.
int Talvinet::DeleteMemoryFile(const char* name, int remote) {
  if (name == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SetCurrentFile(name, 0) == 0) return 0;
  if (SendRTACommandString("FE\r\n") == 0) return 0;
  char current[timing::kReplyLineRoom] = {};
  if (GetCurrentFile(current, sizeof current, 0) == 0) return 0;
  return SameIgnoringCase(current, PadFileName(name)) ? 0 : 1;
}

int Talvinet::StoreFile(int remote) {
  RemoteBracket bracket(*this, remote);
  return SendRTACommandString("ST\r\n");
}

int Talvinet::DeleteRecord(int type, int number, int remote) {
  char text[kMaxCommandSize];
  std::snprintf(text, sizeof text, "RE %d,%d\r\n", type, number);
  RemoteBracket bracket(*this, remote);
  return SendRTACommandString(text);
}
