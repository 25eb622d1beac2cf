// The analyzer's binary dumps: bytes up to and including a CR LF.
#include <cstring>

#include "RemoteBracket.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

int Talvinet::GetBinaryDump(char* buffer, int length, int remote) {
  if (buffer == nullptr || length <= 0) return 0;
  RemoteBracket bracket(*this, remote);
  return ReadBinaryDump("QBD\r\n", buffer, length);
}

int Talvinet::GetBinaryBufferedDump(char* buffer, int length, int remote) {
  if (buffer == nullptr || length <= 0) return 0;
  RemoteBracket bracket(*this, remote);
  return ReadBinaryDump("QBB\r\n", buffer, length);
}

int Talvinet::ReadBinaryDump(const char* query, char* buffer, int length) {
  std::memset(buffer, 0, static_cast<std::size_t>(length));
  if (SendRTAQueryString(query) == 0) return 0;
  int stored = 0;
  while (stored < length) {
    int error = 0;
    const char byte = ReadChr(&error);
    if (error != 0) break;
    buffer[stored++] = byte;
    if (stored >= 2 && buffer[stored - 2] == '\r' && byte == '\n') break;
  }
  return 1;
}
