// The analyzer's note, beeper, clock, memory and battery.
#include <cstring>
#include <string>

#include "ListingText.h"
#include "RemoteBracket.h"
#include "TransferTiming.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr std::size_t kLongestNote = 64;
constexpr std::size_t kDateColumns = 9;
constexpr std::size_t kTimeColumn = 10;
constexpr std::uint16_t kDeodarClass = 3;

}  // namespace

int Talvinet::GetNote(char* text, int room, int remote) { return QueryCleanText("QNO\r\n", text, room, remote); }

int Talvinet::SetNote(const char* text, int remote) {
  if (text == nullptr) return 0;
  const std::string command = NameCommand("NO '%s'\r\n", std::string(text, ::strnlen(text, kLongestNote)));
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  if (SendRTACommandString(command.c_str()) == 0) return 0;
  char kept[timing::kReplyLineRoom] = {};
  return GetNote(kept, sizeof kept, 0) != 0 && std::strcmp(kept, text) == 0 ? 1 : 0;
}

int Talvinet::GetBeeperSettings(int* bits, int remote) { return QueryNumber("QBP\r\n", bits, remote); }

int Talvinet::SetBeeperSettings(int bits, int remote) { return SendFormattedCommand(remote, "BP %d\r\n", bits); }

int Talvinet::GetDateAndTime(char* date, int dateRoom, char* time, int timeRoom, int remote) {
  if (date == nullptr || time == nullptr || dateRoom < 1 || timeRoom < 1) return 0;
  RemoteBracket bracket(*this, remote);
  char line[timing::kReplyLineRoom + 1] = {};
  if (!QueryLine("QCK\r\n", line, timing::kReplyLineRoom)) return 0;
  CopyColumn(date, static_cast<std::size_t>(dateRoom), line, 0, kDateColumns);
  CopyColumn(time, static_cast<std::size_t>(timeRoom), line, kTimeColumn, timing::kReplyLineRoom);
  SanitizeResultString(date, dateRoom);
  SanitizeResultString(time, timeRoom);
  return 1;
}

int Talvinet::SetDateAndTime(const char* text, int remote) {
  if (text == nullptr) return 0;
  const std::string command = NameCommand("CK %s\r\n", text);
  if (command.empty()) return 0;
  RemoteBracket bracket(*this, remote);
  return SendRTACommandString(command.c_str());
}

int Talvinet::GetMemoryFree(char* text, int room, int remote) { return QueryCleanText("QMF\r\n", text, room, remote); }

int Talvinet::GetMemoryUsed(char* text, int room, int remote) { return QueryCleanText("QMU\r\n", text, room, remote); }

// A Deodar has no battery reading to give.
int Talvinet::GetBatteryVoltage(char* text, int room, int remote) {
  if (modelClass == kDeodarClass) return 0;
  return QueryCleanText("QBV\r\n", text, room, remote);
}
