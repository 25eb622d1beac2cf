// The analyzer's diskette: opening and closing it, and saving, recalling
// and deleting files on it.
#include <string>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

int Talvinet::DiskOpen(int remote) {
  RemoteBracket bracket(*this, remote);
  if (SendRTACommandString("DO\r\n") == 0 || SendRTAQueryString("QDO\r\n") == 0) return 0;
  char line[timing::kReplyLineRoom + 1] = {};
  int count = 0;
  ReadStr(line, &count, timing::kReplyLineRoom);
  if (count <= 0) return 0;
  const auto status = StrictDecimal(line);
  return status && *status >= INT32_MIN && *status <= INT32_MAX ? static_cast<int>(*status) : 0;
}

int Talvinet::DiskClose(int remote) {
  RemoteBracket bracket(*this, remote);
  return SendRTACommandStringWithDelay("DX");
}

// Each diskette operation opens the diskette and closes it again, whether
// or not the open worked.
int Talvinet::RunOnDiskette(const std::string& command, int remote) {
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  int result = 0;
  if (DiskOpen(0) != 0) result = SendRTACommandString(command.c_str());
  DiskClose(0);
  return result;
}

int Talvinet::SaveToDisk(int remote) { return RunOnDiskette("DS\r\n", remote); }

int Talvinet::RecallFromDisk(const char* name, int remote) {
  if (name == nullptr) return 0;
  return RunOnDiskette(NameCommand("DR '%s'\r\n", PadFileName(name)), remote);
}

int Talvinet::DeleteDiskFile(const char* name, int remote) {
  if (name == nullptr) return 0;
  return RunOnDiskette(NameCommand("DE '%s'\r\n", name), remote);
}
