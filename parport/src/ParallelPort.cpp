// The process's one parallel-port object and the byte handshake over it.
#include <cstring>
#include <memory>
#include <string>

#include "HostPort.h"
#include "lintarra/Lintarra.h"
#include "lintarra/PortAccess.h"

namespace {

constexpr int kReading = 1;
constexpr int kWriting = 2;

constexpr std::uint8_t kStatusInverted = 0x80;
constexpr std::uint8_t kControlInverted = 0x0B;

constexpr int kControlSelect = 1;     // set by Init, never changed
constexpr int kControlStrobe = 2;     // 1 at rest, 0 while a byte is offered or requested
constexpr int kControlWriteMode = 3;  // 1 in write direction
constexpr int kControlDataInput = 5;  // 1: data register is an input

constexpr int kStatusReady = 5;        // analyzer accepts a byte
constexpr int kStatusAcknowledge = 6;  // drops to 0, then back to 1, once per byte
constexpr int kStatusNoByte = 7;       // 0: analyzer has a byte to deliver

struct ParallelPort {
  int baseAddress = 0;
  int direction = kWriting;
  long pollLimit = LINTARRA_DEFAULT_POLLS;
  int useDriver = 0;

  const lintarra::PortAccess* installed = nullptr;
  std::unique_ptr<lintarra::HostPort> host;
  std::string problem = "Init has not been called";

  const lintarra::PortAccess& Access() const {
    if (installed != nullptr) return *installed;
    if (host) return host->Access();
    return lintarra::AbsentPortAccess();
  }

  std::uint8_t ReadControl() const {
    const auto& access = Access();
    return access.readControl(access.context) ^ kControlInverted;
  }

  void WriteControl(std::uint8_t value) const {
    if (direction == kWriting) {
      value &= ~(1u << kControlDataInput);
    } else {
      value |= 1u << kControlDataInput;
    }
    const auto& access = Access();
    access.writeControl(access.context, value ^ kControlInverted);
  }

  std::uint8_t ReadStatus() const {
    const auto& access = Access();
    return access.readStatus(access.context) ^ kStatusInverted;
  }

  void SetControlBit(int bit, bool on) const {
    std::uint8_t value = ReadControl();
    value = on ? (value | (1u << bit)) : (value & ~(1u << bit));
    WriteControl(value);
  }

  void SetDirection(int newDirection) {
    std::uint8_t value = ReadControl();
    direction = newDirection;
    if (newDirection == kWriting) {
      value = (value | (1u << kControlWriteMode)) & ~(1u << kControlDataInput);
    } else {
      value = (value & ~(1u << kControlWriteMode)) | (1u << kControlDataInput);
    }
    WriteControl(value);
  }

  // Polls the status until `bit` reads as `wanted`, at most pollLimit - 1 times.
  bool WaitForStatus(int bit, bool wanted) const {
    CTimeout timeout(pollLimit);
    while (!timeout.Expired()) {
      if (((ReadStatus() >> bit) & 1u) == (wanted ? 1u : 0u)) return true;
    }
    return false;
  }

  int SendByte(unsigned char byte) const {
    int result = LINTARRA_OK;
    if (!WaitForStatus(kStatusReady, true)) {
      result = LINTARRA_NEVER_READY;
    } else {
      const auto& access = Access();
      access.writeData(access.context, byte);
      SetControlBit(kControlStrobe, false);
      if (!WaitForStatus(kStatusAcknowledge, false)) {
        result = LINTARRA_ACK_NOT_LOW;
      } else {
        SetControlBit(kControlStrobe, true);
        if (!WaitForStatus(kStatusAcknowledge, true)) result = LINTARRA_ACK_NOT_HIGH;
      }
    }
    SetControlBit(kControlStrobe, true);
    return result;
  }

  int ReceiveByte(unsigned char* byte) const {
    if (byte == nullptr) return LINTARRA_BAD_ARGUMENT;
    int result = LINTARRA_OK;
    if (!WaitForStatus(kStatusNoByte, false)) {
      result = LINTARRA_NO_BYTE_OFFERED;
    } else {
      SetControlBit(kControlStrobe, false);
      if (!WaitForStatus(kStatusAcknowledge, false)) {
        result = LINTARRA_ACK_NOT_LOW;
      } else {
        const auto& access = Access();
        *byte = access.readData(access.context);
        SetControlBit(kControlStrobe, true);
        if (!WaitForStatus(kStatusAcknowledge, true)) result = LINTARRA_ACK_NOT_HIGH;
      }
    }
    SetControlBit(kControlStrobe, true);
    return result;
  }

  int WriteBlock(const unsigned char* data, int length) {
    if (data == nullptr || length < -1) return LINTARRA_BAD_ARGUMENT;
    SetDirection(kWriting);
    if (length == -1) length = static_cast<int>(std::strlen(reinterpret_cast<const char*>(data)));
    for (int i = 0; i < length; ++i) {
      const int result = SendByte(data[i]);
      if (result < 0) return result;
    }
    return length;
  }

  int ReadBlock(unsigned char* buffer, int length, bool stopAtLineEnd) {
    if (buffer == nullptr || length <= 0) return LINTARRA_BAD_ARGUMENT;
    SetDirection(kReading);
    for (int i = 0;; ++i) {
      const int result = ReceiveByte(&buffer[i]);
      if (result < 0) return result;
      if (stopAtLineEnd && i > 0 && buffer[i] == '\n' && buffer[i - 1] == '\r') {
        if (i + 1 < length) buffer[i + 1] = '\0';
        return i + 1;
      }
      if (i + 1 == length) return length;
    }
  }
};

ParallelPort& Port() {
  static ParallelPort port;
  return port;
}

}  // namespace

namespace lintarra {

void InstallPortAccess(const PortAccess* access) { Port().installed = access; }

std::string PortAccessProblem() { return Port().installed != nullptr ? std::string() : Port().problem; }

}  // namespace lintarra

void Init(int baseAddress, int useDriver) {
  ParallelPort& port = Port();
  port.baseAddress = baseAddress;
  port.useDriver = useDriver;
  if (port.installed == nullptr) {
    port.host.reset();
    port.host = lintarra::OpenHostPort(baseAddress, port.problem);
  }
  port.SetControlBit(kControlSelect, true);
  port.SetControlBit(kControlStrobe, true);
  port.SetControlBit(kControlWriteMode, true);
  port.SetDirection(kWriting);
}

int WriteByte(unsigned char b) {
  Port().SetDirection(kWriting);
  return Port().SendByte(b);
}

int WriteString(const char* text) { return Port().WriteBlock(reinterpret_cast<const unsigned char*>(text), -1); }

int WriteBuffer(const unsigned char* data, int length) { return Port().WriteBlock(data, length); }

int ReadByte(unsigned char* b) {
  Port().SetDirection(kReading);
  return Port().ReceiveByte(b);
}

int ReadString(char* buffer, int length) {
  return Port().ReadBlock(reinterpret_cast<unsigned char*>(buffer), length, true);
}

int ReadBuffer(unsigned char* buffer, int length) { return Port().ReadBlock(buffer, length, false); }

void SetTimeout(long polls) { Port().pollLimit = polls; }

long GetTimeout() { return Port().pollLimit; }
