// Capturing the analyzer's screen and turning it into a bitmap image.
#include <cstring>

#include "RemoteBracket.h"
#include "ScreenStreamDecoder.h"
#include "talvinet/Talvinet.h"

using namespace talvinet;

namespace {

constexpr char kFullCaptureQuery[] = "QQQRF\r\n";
constexpr char kChangesCaptureQuery[] = "QQQRD\r\n";

}  // namespace

int Talvinet::GetDisplayData(unsigned short kind, unsigned char* screen, int /*reserved*/, int remote) {
  captureComplete = false;
  RemoteBracket bracket(*this, remote);
  if (screen == nullptr) return 0;
  if (SendRTAQueryString(kind == kFullCapture ? kFullCaptureQuery : kChangesCaptureQuery) == 0) return 0;
  DecodeDeltaData(screen);
  return 1;
}

void Talvinet::DecodeDeltaData(unsigned char* screen) {
  ScreenStreamDecoder decoder(screen);
  int error = 0;
  do {
    const char c = ReadChr(&error);
    if (error != 0) return;
    decoder.Take(static_cast<unsigned char>(c));
  } while (!decoder.Finished());
  captureComplete = decoder.Ended();
}

void Talvinet::DecodeStandardData(unsigned char* screen) {
  unsigned char previous = 0;
  for (int stored = 0; stored < kScreenBufferSize; ++stored) {
    int error = 0;
    const auto c = static_cast<unsigned char>(ReadChr(&error));
    if (error != 0) return;
    screen[stored] = c;
    if (previous == '\r' && c == '\n') return;
    previous = c;
  }
}

void Talvinet::CreateBitmapFromData(unsigned char* bitmap, const unsigned char* screen) {
  if (bitmap == nullptr || screen == nullptr) return;
  std::memset(bitmap, 0, kBitmapImageSize);
  for (int band = 0; band < kScreenBands; ++band) {
    for (int column = 0; column < kScreenWidth; ++column) {
      const unsigned char pixels = screen[band * kScreenWidth + column];
      for (int bit = 7; bit >= 0; --bit) {
        if ((pixels & (1u << bit)) != 0) continue;
        const int row = 8 * band + 7 - bit;
        bitmap[row * kBitmapRowBytes + column / 8] |= static_cast<unsigned char>(1u << (7 - column % 8));
      }
    }
  }
}
