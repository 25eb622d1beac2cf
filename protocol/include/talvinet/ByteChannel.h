// The byte channel under the serial layer: a serial device or a
// pseudo-terminal, or a scripted fake in tests.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "talvinet/Clock.h"

namespace talvinet {

struct LineSettings {
  long baudRate = 9600;
  int dataBits = 8;
  int stopBits = 1;
  char parity = 'N';  // N, E, O, M or S
  bool hardwareHandshake = false;
};

class ByteChannel {
 public:
  virtual ~ByteChannel() = default;

  // False when the device refuses the settings.
  virtual bool Configure(const LineSettings& settings) = 0;
  // Best effort: pseudo-terminals have no modem lines.
  virtual void SetModemLines(bool dtr, bool rts) = 0;
  // Bytes handed to the device by `deadline`, or -1 when the line failed.
  virtual long Write(const unsigned char* data, std::size_t size, Clock::TimePoint deadline) = 0;
  // Bytes read (at least 1) as soon as any arrive, 0 when none came by
  // `deadline`, -1 when the line is gone (hang-up or device error).
  virtual long Read(unsigned char* data, std::size_t room, Clock::TimePoint deadline) = 0;
  // Bytes written but not yet sent on the line.
  virtual std::size_t PendingOutput() = 0;
  virtual void DiscardInput() = 0;
};

// Opens the device file `path`; nullptr when it cannot be opened, with errno
// saying why (0 when the opener cannot tell).
using ChannelOpener = std::function<std::unique_ptr<ByteChannel>(const std::string& path, Clock& clock)>;

// A serial device or pseudo-terminal through termios, claimed for this
// program until the channel is destroyed. A device another program has
// claimed is refused with errno EBUSY.
std::unique_ptr<ByteChannel> OpenTermiosChannel(const std::string& path, Clock& clock);

// True when another program holds the claim OpenTermiosChannel takes; tries
// the claim without keeping it.
bool IsDeviceClaimed(const std::string& path);

// Line rates a serial device can be set to.
bool IsSupportedBaudRate(long rate);

}  // namespace talvinet
