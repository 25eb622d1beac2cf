#include "ScreenStreamDecoder.h"

#include <algorithm>
#include <cstring>

#include "talvinet/Talvinet.h"

namespace talvinet {

namespace {

constexpr unsigned char kClearScreen = 'B';
constexpr unsigned char kSkip = 0x55;
constexpr unsigned char kRun = 0xAA;
constexpr std::size_t kScreenBytes = kScreenBufferSize;
// A screen needs at most three stream bytes a screen byte (runs of one).
constexpr std::size_t kMaxStreamBytes = 4 * kScreenBytes;

}  // namespace

void ScreenStreamDecoder::Take(unsigned char byte) {
  if (finished_) return;
  switch (expect_) {
    case Expect::FirstByte:
      if (byte == kClearScreen) std::memset(screen_, 0, kScreenBytes);
      expect_ = Expect::Code;
      break;
    case Expect::Code:
      if (byte == '\n' && lastLiteral_ == '\r') {
        finished_ = ended_ = true;
      } else if (byte == kSkip) {
        expect_ = Expect::SkipCount;
      } else if (byte == kRun) {
        expect_ = Expect::RunCount;
      } else {
        Store(byte);
      }
      break;
    case Expect::SkipCount:
      position_ += byte;
      expect_ = Expect::Code;
      break;
    case Expect::RunCount:
      runCount_ = byte;
      expect_ = Expect::RunValue;
      break;
    case Expect::RunValue:
      Fill(runCount_, byte);
      expect_ = Expect::Code;
      break;
  }
  if (++bytesTaken_ >= kMaxStreamBytes) finished_ = true;
}

void ScreenStreamDecoder::Store(unsigned char byte) {
  Fill(1, byte);
  lastLiteral_ = byte;
}

void ScreenStreamDecoder::Fill(std::size_t count, unsigned char value) {
  if (position_ < kScreenBytes) std::memset(screen_ + position_, value, std::min(count, kScreenBytes - position_));
  position_ += count;
}

}  // namespace talvinet
