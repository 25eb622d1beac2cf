// The four exchanges with the analyzer, and the delay and reply-size rules.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "DecimalValue.h"
#include "ProtocolTiming.h"
#include "SerialLink.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr char kCommandSuffix[] = ";QER\r\n\x11";
constexpr char kQuerySuffix = 0x11;
constexpr unsigned short kRemoteModeCode = 0x12;
constexpr unsigned short kLocalModeCode = 0x17;
constexpr int kErrorLineRoom = 8;

// The run of letters at the start of `text`.
std::string_view LeadingLetters(const char* text) {
  std::size_t n = 0;
  while (std::isalpha(static_cast<unsigned char>(text[n])) != 0) ++n;
  return std::string_view(text, n);
}

bool FitsInCommandBuffer(const std::string& framed) { return framed.size() + 1 <= kMaxCommandSize; }

}  // namespace

void Talvinet::DiscardSerialData() {
  if (transport == kSerialTransport && link && link->serial) {
    link->serial->RXFlush(0);
    link->serial->TXFlush();
  }
}

int Talvinet::SendRTACommandString(const char* text) {
  errorNumber = kStatusOk;
  lastCommandOutcome = CommandOutcomeStruct{};
  bool sent = false;
  if (HasConnection() && text != nullptr) {
    const std::string framed = std::string(text) + kCommandSuffix;
    errorNumber = FitsInCommandBuffer(framed) ? SendStr(framed.c_str()) : kStatusWriteFailed;
    if (OnOpenSerialLink()) {
      for (const timing::BaudPacing& pacing : timing::kCommandPacing) {
        if (link->baudRate == pacing.baudRate) Wait(pacing.milliseconds);
      }
    }
    char line[kErrorLineRoom + 1] = {};
    int count = 0;
    if (errorNumber == kStatusOk) ReadStr(line, &count, kErrorLineRoom);
    const long code = count > 0 ? DecimalValue(line) : 0;
    lastCommandOutcome = {count > 0 ? 1 : 0, static_cast<std::int32_t>(code)};
    if (code != 0 && notifyEnabled != 0 && notifyWindow) notifyWindow(kErrorCodeMessage, code, 0);
    sent = errorNumber == kStatusOk;
  }
  DiscardSerialData();
  return sent ? 1 : 0;
}

int Talvinet::SendRTAQueryString(const char* text) {
  errorNumber = kStatusOk;
  if (!HasConnection() || text == nullptr) return 0;
  const std::string framed = std::string(text) + kQuerySuffix;
  errorNumber = FitsInCommandBuffer(framed) ? SendStr(framed.c_str()) : kStatusWriteFailed;
  if (errorNumber == kStatusOk && transport == kSerialTransport) Wait(GetDelayTime(text, modelClass));
  return errorNumber == kStatusOk ? 1 : 0;
}

int Talvinet::SendRTACommandStringWithDelay(const char* text) {
  errorNumber = kStatusOk;
  if (!HasConnection() || text == nullptr) return 0;
  errorNumber = FitsInCommandBuffer(text) ? SendStr(text) : kStatusWriteFailed;
  if (errorNumber == kStatusOk) Wait(GetDelayTime(text, modelClass));
  return errorNumber == kStatusOk ? 1 : 0;
}

int Talvinet::SendRTAControlCode(unsigned short code) {
  errorNumber = kStatusOk;
  if (!HasConnection()) return 0;
  errorNumber = SendChr(static_cast<char>(code));
  return errorNumber == kStatusOk ? 1 : 0;
}

int Talvinet::SetRemoteMode() { return SendRTAControlCode(kRemoteModeCode); }

int Talvinet::SetLocalMode() { return SendRTAControlCode(kLocalModeCode); }

unsigned short Talvinet::GetDelayTime(const char* text, unsigned short modelClassForDelay) {
  if (text == nullptr) return timing::kDefaultCommandDelay;
  const std::string_view mnemonic = LeadingLetters(text);
  unsigned short delay = timing::kDefaultCommandDelay;
  for (const timing::CommandDelay& entry : timing::kCommandDelays) {
    if (mnemonic == entry.mnemonic) {
      delay = modelClassForDelay == timing::kModelClassDeodar ? entry.millisecondsModelClass3 : entry.milliseconds;
      break;
    }
  }
  if (OnOpenSerialLink()) {
    for (const timing::BaudScaling& scaling : timing::kBaudScaling) {
      if (link->baudRate == scaling.baudRate) delay = static_cast<unsigned short>(delay * scaling.tenths / 10);
    }
  }
  return delay;
}

unsigned short Talvinet::GetLinesInResult(const char* text) {
  if (text == nullptr) return timing::kDefaultReplyLines;
  const std::string_view key =
      std::strstr(text, timing::kAllKeyNamesQuery) != nullptr ? timing::kAllKeyNamesQuery : LeadingLetters(text);
  for (const timing::ReplyLines& entry : timing::kReplyLines) {
    if (key == entry.key) return entry.lines;
  }
  return timing::kDefaultReplyLines;
}

void Talvinet::SanitizeResultString(char* text, int length) {
  if (text == nullptr || length <= 0) return;
  const std::string_view whole(text, ::strnlen(text, static_cast<std::size_t>(length)));
  std::string_view kept = whole.substr(std::min(whole.find_first_not_of(' '), whole.size()));
  kept = kept.substr(0, kept.find_first_of("\r\n"));
  std::memmove(text, kept.data(), kept.size());
  if (kept.size() < static_cast<std::size_t>(length)) text[kept.size()] = '\0';
}
