// Talvinet: the one class through which the program talks to the analyzer,
// over a serial line or a PC parallel port.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "lintarra/Lintarra.h"
#include "talvinet/ByteChannel.h"
#include "talvinet/Clock.h"

namespace talvinet {

// Transport status numbers, kept in the object for GetErrno().
constexpr int kStatusOk = 0;
constexpr int kStatusNoConnection = -1;
constexpr int kStatusTimedOut = -10;
constexpr int kStatusWriteFailed = -19;
constexpr int kStatusParallelFailed = -61;

enum TransportMode : std::int32_t { kNoTransport = 0, kSerialTransport = 1, kParallelTransport = 2 };

// The message that carries a non-zero analyzer error code after a command:
// first parameter the code, second 0.
constexpr unsigned int kErrorCodeMessage = 0x401;

// Stands in for a window that receives messages synchronously; its answer is
// the window's reply.
using MessageHandler = std::function<long(unsigned int message, long firstParameter, long secondParameter)>;

// Longest command or query text after framing, NUL included.
constexpr int kMaxCommandSize = 256;

}  // namespace talvinet

struct ConnectionStruct {
  std::int32_t type;  // 0 = serial; any other value opens nothing
  std::int32_t port;  // 1 to 4
  std::int32_t baudRate;
  std::int32_t dataBits;
  std::int32_t stopBits;
  char parity;
};

// The analyzer's answer to "QHS": ten lines, each cut to its field.
struct HardwareSetupStruct {
  char setupCount[7];
  char systemId[9];
  char line3[7];
  char firmwareVersion[6];
  char line5[7];
  char line6[7];
  char line7[7];
  char line8[7];
  char options[25];
  char serialNumber[14];
};

struct SerialLink;

class Talvinet {
 public:
  Talvinet();
  ~Talvinet();
  Talvinet(const Talvinet&) = delete;
  Talvinet& operator=(const Talvinet&) = delete;

  // --- Connection and transport ---
  int OpenConnection(ConnectionStruct* c);
  void InitParallelPort(int address, int useDriver) {
    Init(address, useDriver);
    transport = talvinet::kParallelTransport;
  }
  int CloseConnection();
  int WakeUp();
  int IsConnectionOpen();
  long GetBaudRate();
  int GetErrno();

  int SendStr(const char* text);
  int SendChr(char c);
  int ReadStr(char* buffer, int* count, int max);  // buffer holds max + 1 bytes
  int ReadBuf(unsigned char* buffer, int* count, int length);
  char ReadChr(int* error);
  void Wait(int milliseconds);

  // --- Command and query exchange ---
  int SendRTACommandString(const char* text);
  int SendRTAQueryString(const char* text);
  int SendRTACommandStringWithDelay(const char* text);
  int SendRTAControlCode(unsigned short code);
  int SetRemoteMode();
  int SetLocalMode();
  int SendGenericCommand(const char* text, char* result, int length, int remote);
  int GetErrorCode(int* code, int remote);

  // --- Host settings ---
  // Receives each non-zero analyzer error code as kErrorCodeMessage while
  // notifyEnabled is non-zero. The library never sets either.
  talvinet::MessageHandler notifyWindow;
  std::int32_t notifyEnabled = 0;
  // Device files for serial ports: port n opens /dev/ttyS<n-1> unless mapped
  // here (USB adapters, pseudo-terminals).
  std::map<int, std::string> serialDeviceFiles;
  // Time source of every delay and time-out, and the way device files are
  // opened; tests substitute both.
  talvinet::Clock* clock;
  talvinet::ChannelOpener openChannel;

 protected:
  unsigned short GetDelayTime(const char* text, unsigned short modelClassForDelay);
  unsigned short GetLinesInResult(const char* text);
  void SanitizeResultString(char* text, int length);

  HardwareSetupStruct hardwareSetup;
  std::int32_t connectionType = 0;
  std::int32_t errorNumber = 0;
  std::uint16_t modelClass = 255;

 private:
  bool HasConnection() const;
  bool OnOpenSerialLink() const;
  // Drops unread input and unsent output on the serial line.
  void DiscardSerialData();
  std::string SerialDeviceFile(int port) const;
  void ReadGenericReply(const char* text, char* result, int length);

  std::unique_ptr<SerialLink> link;
  std::int32_t transport = talvinet::kNoTransport;
};
