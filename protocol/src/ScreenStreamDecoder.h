// The analyzer's screen stream, one byte at a time: a first byte (B clears
// the screen), then literal bytes, 0x55 n skips and 0xAA n v runs, ended by
// LF after a literal CR. Nothing is ever written past the screen buffer:
// bytes the stream puts beyond its end are dropped, and the stream is still
// read to its end so that no reply is left on the line. A stream that runs
// far longer than any screen needs is ended.
#pragma once

#include <cstddef>

namespace talvinet {

class ScreenStreamDecoder {
 public:
  explicit ScreenStreamDecoder(unsigned char* screen) : screen_(screen) {}

  void Take(unsigned char byte);
  // Finished: nothing more is taken. Ended: the stream's own end came.
  bool Finished() const { return finished_; }
  bool Ended() const { return ended_; }

 private:
  enum class Expect { FirstByte, Code, SkipCount, RunCount, RunValue };

  void Store(unsigned char byte);
  void Fill(std::size_t count, unsigned char value);

  unsigned char* screen_;
  Expect expect_ = Expect::FirstByte;
  std::size_t position_ = 0;
  std::size_t runCount_ = 0;
  std::size_t bytesTaken_ = 0;
  unsigned char lastLiteral_ = 0;
  bool finished_ = false;
  bool ended_ = false;
};

}  // namespace talvinet
