// Who the analyzer is: its hardware setup, model and options.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "RemoteBracket.h"
#include "SerialLink.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

// Positions in the 24 option flags.
constexpr int kOption474849Flag = 10;
constexpr int kModelBitB = 14;
constexpr int kModelBitA = 15;
constexpr int kOption30Flag = 20;
constexpr int kTachFlag = 23;

constexpr std::uint16_t kAlderClass = 1;
constexpr std::uint16_t kBirchOrCedarClass = 2;
constexpr std::uint16_t kDeodarClass = 3;

constexpr std::size_t kSerialNumberCopied = 11;
constexpr std::size_t kSystemIdCopied = 8;
constexpr std::size_t kFirmwareVersionCopied = 5;
constexpr std::size_t kSerialNumberKept = 13;

struct SetupField {
  char* text;
  std::size_t room;
};

// Up to `most` characters of `source`, never more than `room` - 1.
void CopyCapped(char* text, int room, const char* source, std::size_t most) {
  if (text == nullptr || room < 1) return;
  const std::size_t n = std::min({::strnlen(source, most), static_cast<std::size_t>(room) - 1});
  std::memcpy(text, source, n);
  text[n] = '\0';
}

// The reply line without its line end.
std::string_view WithoutLineEnd(const char* line) {
  std::string_view text(line);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

int Talvinet::GetHardwareSetup(HardwareSetupStruct* setup, int remote) {
  if (setup == nullptr) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTAQueryString("QHS\r\n") == 0) return 0;
  // Lines 1 to 9 keep what fits, their line end included when it does.
  const SetupField fields[] = {
      {setup->setupCount, sizeof setup->setupCount}, {setup->systemId, sizeof setup->systemId},
      {setup->line3, sizeof setup->line3},           {setup->firmwareVersion, sizeof setup->firmwareVersion},
      {setup->line5, sizeof setup->line5},           {setup->line6, sizeof setup->line6},
      {setup->line7, sizeof setup->line7},           {setup->line8, sizeof setup->line8},
      {setup->options, sizeof setup->options},
  };
  char line[timing::kReplyLineRoom + 1] = {};
  int count = 0;
  for (const SetupField& field : fields) {
    ReadStr(line, &count, timing::kReplyLineRoom);
    if (count <= 0) return 0;
    CopyCapped(field.text, static_cast<int>(field.room), line, field.room - 1);
  }
  ReadStr(line, &count, timing::kReplyLineRoom);
  if (count <= 0) return 0;
  const std::string_view serialNumber = WithoutLineEnd(line).substr(0, kSerialNumberKept);
  std::memcpy(setup->serialNumber, serialNumber.data(), serialNumber.size());
  setup->serialNumber[serialNumber.size()] = '\0';
  return 1;
}

int Talvinet::InitHardwareInfo(int remote) {
  if (GetHardwareSetup(&hardwareSetup, remote) == 0) return 0;
  if (IsCedar() != 0) {
    modelClass = kBirchOrCedarClass;
  } else if (IsAlder() != 0) {
    modelClass = kAlderClass;
  } else if (IsBirch() != 0) {
    modelClass = kBirchOrCedarClass;
  } else {
    modelClass = kDeodarClass;
  }
  return 1;
}

// A flag counts only inside the options text the analyzer sent last.
bool Talvinet::OptionPresent(int position) const {
  const std::size_t length = ::strnlen(hardwareSetup.options, sizeof hardwareSetup.options);
  return static_cast<std::size_t>(position) < length && hardwareSetup.options[position] == '1';
}

int Talvinet::IsAlder() { return OptionPresent(kModelBitA) ? 1 : 0; }
int Talvinet::IsBirch() { return OptionPresent(kModelBitB) ? 1 : 0; }
int Talvinet::IsCedar() { return OptionPresent(kModelBitA) && OptionPresent(kModelBitB) ? 1 : 0; }
int Talvinet::IsDeodar() { return !OptionPresent(kModelBitA) && !OptionPresent(kModelBitB) ? 1 : 0; }
int Talvinet::IsOption30() { return OptionPresent(kOption30Flag) ? 1 : 0; }
int Talvinet::IsOption474849() { return OptionPresent(kOption474849Flag) ? 1 : 0; }
int Talvinet::HasTach() { return OptionPresent(kTachFlag) ? 1 : 0; }

// A Deodar's options 112 and 113 are told apart only by the stop bits the
// host opened the line with.
int Talvinet::IsOption112() { return IsDeodar() != 0 && transport == kSerialTransport && link && link->stopBits == 2; }
int Talvinet::IsOption113() { return IsDeodar() != 0 && transport == kSerialTransport && link && link->stopBits == 1; }

void Talvinet::GetSerialNumber(char* text, int room) {
  CopyCapped(text, room, hardwareSetup.serialNumber, kSerialNumberCopied);
}

void Talvinet::GetSystemID(char* text, int room) { CopyCapped(text, room, hardwareSetup.systemId, kSystemIdCopied); }

void Talvinet::GetFirmwareVersion(char* text, int room) {
  CopyCapped(text, room, hardwareSetup.firmwareVersion, kFirmwareVersionCopied);
}
