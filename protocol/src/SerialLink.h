// The serial side of a connection: line settings, and the transfers the
// transport primitives make over the serial layer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ProtocolTiming.h"
#include "serial/SerialPortLayer.h"
#include "talvinet/ByteChannel.h"
#include "talvinet/Clock.h"

struct SerialLink {
  SerialLink(int port, std::string devicePath, talvinet::Clock& clock);
  ~SerialLink();

  // Opens and configures the port: 0, or -1 (lastError) when it cannot be used.
  int Open(const talvinet::ChannelOpener& openChannel);
  int Close();

  int SendText(const char* text);
  int SendChar(char c);
  int ReadLine(char* buffer, int* count, int max);
  int ReadBlock(unsigned char* buffer, int* count, int length);
  char ReadChar(int* error);

  std::unique_ptr<talvinet::SerialPortLayer> serial;
  int baudRate = 9600;
  int dataBits = 8;
  int dtr = 1;
  int lastError = 0;
  int isOpen = 0;
  char parity = 'N';
  int portIndex;
  int rts = 1;
  bool lineFeedOption = false;
  bool noLineFeedOption = false;
  int stopBits = 1;
  int timeoutSeconds = talvinet::timing::kLinkTimeoutSeconds;
  int handshake = 0;
  // Why the last Open failed, in words; empty after one that succeeded.
  std::string openFailure;
  // Reads that waited out their time-out with nothing heard, since the open,
  // and the bytes heard when the last of them ended.
  std::uint32_t silentReads = 0;
  std::uint64_t heardAtLastSilence = 0;
  void CountSilentRead();
  // The last Open found the port claimed by another program.
  bool openFoundPortInUse = false;

 private:
  // 0 when data waits, else kNoData.
  int WaitForData(int seconds);
  // Output still queued for the line gets at most the read time-out to leave.
  void WaitForTransmitDrained();
  talvinet::Clock::TimePoint SecondsFromNow(int seconds) const;

  std::string devicePath_;
  talvinet::Clock& clock_;
};
