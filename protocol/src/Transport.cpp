// The transport primitives: each picks the serial link or the parallel port.
#include <algorithm>

#include "SerialLink.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

int Talvinet::SendStr(const char* text) {
  if (text == nullptr) return kStatusWriteFailed;
  if (OnOpenSerialLink()) return link->SendText(text);
  if (transport == kParallelTransport) return WriteString(text) < 0 ? kStatusParallelFailed : kStatusOk;
  return kStatusNoConnection;
}

int Talvinet::SendChr(char c) {
  if (OnOpenSerialLink()) return link->SendChar(c);
  if (transport == kParallelTransport) {
    return WriteByte(static_cast<unsigned char>(c)) < 0 ? kStatusParallelFailed : kStatusOk;
  }
  return kStatusNoConnection;
}

int Talvinet::ReadStr(char* buffer, int* count, int max) {
  if (buffer == nullptr || count == nullptr) return kStatusTimedOut;
  if (OnOpenSerialLink()) return link->ReadLine(buffer, count, max);
  if (transport != kParallelTransport) {
    *count = 0;
    return kStatusNoConnection;
  }
  const int got = ReadString(buffer, max);
  if (got < 0) {
    *count = 0;
    buffer[0] = '\0';
    return kStatusParallelFailed;
  }
  // The parallel reader leaves a full buffer unterminated; callers give
  // max + 1 bytes of room, as for the serial reader.
  buffer[got] = '\0';
  *count = got;
  return kStatusOk;
}

int Talvinet::ReadBuf(unsigned char* buffer, int* count, int length) {
  if (buffer == nullptr || count == nullptr) return kStatusTimedOut;
  if (OnOpenSerialLink()) return link->ReadBlock(buffer, count, std::max(length, 0));
  *count = 0;
  if (transport != kParallelTransport) return kStatusNoConnection;
  const int got = ReadBuffer(buffer, length);
  if (got < 0) return kStatusParallelFailed;
  *count = got;
  return kStatusOk;
}

char Talvinet::ReadChr(int* error) {
  int ignored = 0;
  if (error == nullptr) error = &ignored;
  if (transport == kSerialTransport && link) return link->ReadChar(error);
  if (transport == kParallelTransport) {
    unsigned char b = 0;
    *error = ReadByte(&b) < 0 ? 1 : 0;
    return static_cast<char>(b);
  }
  *error = 1;
  return 0;
}

void Talvinet::Wait(int milliseconds) {
  const auto until = clock->Now() + std::chrono::milliseconds(std::max(milliseconds, 0));
  while (clock->Now() < until) clock->SleepUntil(until);
}
