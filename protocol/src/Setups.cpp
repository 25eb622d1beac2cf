// The analyzer's eight stored setups: their names and flags, recalling,
// storing and naming them, the boot setup, and their bytes.
#include <cstring>
#include <string>
#include <vector>

#include "DecimalValue.h"
#include "ListingText.h"
#include "RemoteBracket.h"
#include "ReplyParsers.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr int kSetupReplyRoom = 128;
constexpr std::size_t kLongestSetupName = 7;

// Cuts the caller's name to what a setup can hold.
void CutSetupName(char* name) {
  if (::strnlen(name, kLongestSetupName + 1) > kLongestSetupName) name[kLongestSetupName] = '\0';
}

}  // namespace

int Talvinet::GetSetupInfo(SetupStruct* setups, int remote) {
  if (setups == nullptr) return 0;
  std::memset(setups, 0, sizeof *setups);
  RemoteBracket bracket(*this, remote);
  char line[kSetupReplyRoom + 1] = {};
  if (!QueryLine("QSF\r\n", line, kSetupReplyRoom) || DecimalValue(line) != kSetupCount) return 0;
  for (int i = 0; i < kSetupCount; ++i) {
    int stored = 0;
    ReadStr(line, &stored, kSetupReplyRoom);
    if (stored <= 0) return 0;
    ReadSetupLine(*setups, i, line, stored);
  }
  return 1;
}

int Talvinet::RecallSetupConfiguration(unsigned char id, int remote) {
  return SendFormattedCommand(remote, "SER %d\r\n", id);
}

// "MNEMONIC id" or "MNEMONIC id,'name'", the name cut to 7 characters in
// the caller's buffer first.
int Talvinet::SendSetupCommand(const char* mnemonic, unsigned char id, char* name, int remote) {
  std::string command = std::string(mnemonic) + " " + std::to_string(id);
  if (name != nullptr) {
    CutSetupName(name);
    command = NameCommand((command + ",'%s'\r\n").c_str(), name);
    if (command.empty()) return 0;
  } else {
    command += "\r\n";
  }
  RemoteBracket bracket(*this, remote);
  return SendRTACommandString(command.c_str());
}

int Talvinet::StoreSetupConfiguration(unsigned char id, char* name, int remote) {
  return SendSetupCommand("SES", id, name, remote);
}

int Talvinet::SetBootConfiguration(unsigned char id, char* name, int remote) {
  return SendSetupCommand("SE", id, name, remote);
}

// The boot command is the one that names a setup; the old boot setup is
// chosen again afterwards.
int Talvinet::SetSetupName(unsigned char id, char* name, int remote) {
  RemoteBracket bracket(*this, remote);
  SetupStruct setups;
  if (GetSetupInfo(&setups, 0) == 0) return 0;
  for (int i = 0; i < kSetupCount; ++i) {
    if (setups.setupBoot[i] != 0 && SetBootConfiguration(id, name, 0) != 0) {
      return SetBootConfiguration(static_cast<unsigned char>(i), nullptr, 0);
    }
  }
  return 0;
}

// The reply is a first line and then the setup bytes as a second line; both
// are read through a buffer of their own so that `data` never takes more
// than `length` bytes.
int Talvinet::GetSetupBytes(unsigned char id, char* data, int length, int remote) {
  if (data == nullptr || length < 1) return 0;
  char query[kMaxCommandSize];
  std::snprintf(query, sizeof query, "QSB %d\r\n", id);
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString(query) == 0) return 0;
  std::vector<char> line(static_cast<std::size_t>(length) + 1);
  int stored = 0;
  ReadStr(line.data(), &stored, length);
  if (stored <= 0) return 0;
  ReadStr(line.data(), &stored, length);
  if (stored <= 0) return 0;
  std::memcpy(data, line.data(), static_cast<std::size_t>(stored));
  if (stored < length) data[stored] = '\0';
  return stored == length ? 1 : 0;
}

// "SB id" and its line end, then the `length` bytes, one at a time; the
// first byte that cannot be sent fails the whole.
int Talvinet::SetSetupBytes(unsigned char id, const char* data, int length, int remote) {
  if (data == nullptr || length < 0) return 0;
  std::string block = "SB " + std::to_string(id) + "\r\n";
  block.append(data, static_cast<std::size_t>(length));
  RemoteBracket bracket(*this, remote);
  for (const char byte : block) {
    errorNumber = SendChr(byte);
    if (errorNumber != kStatusOk) return 0;
  }
  return 1;
}
