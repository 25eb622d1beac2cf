#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TalvinetFixture.h"

namespace talvinet::testing {
namespace {

constexpr unsigned char kUntouched = 0x11;
constexpr std::size_t kGuardBytes = 16;
using GuardedScreen = std::array<unsigned char, kScreenBufferSize + kGuardBytes>;

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

class DisplayCaptureTest : public ScriptedTalvinetTest {
 protected:
  // Decodes `reply` to a changes capture into a screen of kUntouched bytes.
  GuardedScreen Decode(const std::string& reply) {
    OpenSerial();
    line.Answer("QQQRD\r\n\x11", reply);
    GuardedScreen screen;
    screen.fill(kUntouched);
    EXPECT_EQ(analyzer.GetDisplayData(kChangesCapture, screen.data(), 0, 0), 1);
    return screen;
  }
};

// The screen expected: kUntouched except `from` to `to` (exclusive) set to
// `value`, with `extra` bytes after them.
GuardedScreen Expected(bool cleared, std::size_t from, std::size_t to, unsigned char value,
                       const std::string& extra = "") {
  GuardedScreen screen;
  screen.fill(kUntouched);
  if (cleared) std::fill(screen.begin(), screen.begin() + kScreenBufferSize, 0);
  std::fill(screen.begin() + static_cast<long>(from), screen.begin() + static_cast<long>(to), value);
  for (std::size_t i = 0; i < extra.size() && to + i < kScreenBufferSize; ++i) {
    screen[to + i] = static_cast<unsigned char>(extra[i]);
  }
  return screen;
}

TEST_F(DisplayCaptureTest, StreamsDecodeIntoTheScreenAndNeverPastIt) {
  struct Case {
    const char* what;
    std::string reply;
    GuardedScreen expected;
    bool complete;
  };
  const Case cases[] = {
      {"B clears and stores the final CR", "B\r\n", Expected(true, 0, 0, 0, "\r"), true},
      {"skip then literal", std::string("D\x55\x0a\x41\r\n"), Expected(false, 10, 11, 0x41, "\r"), true},
      {"run", std::string("D\xAA\x04\xFF\r\n"), Expected(false, 0, 4, 0xFF, "\r"), true},
      {"LF after a non-CR literal is data", "D\n\r\n", Expected(false, 0, 1, '\n', "\r"), true},
      {"a run after CR does not hide the end", std::string("D\r\xAA\x02\x05\n"), Expected(false, 0, 1, '\r', "\x05\x05"),
       true},
      {"runs past the end are cut", "B" + Repeated("\xAA\xFF\x77", 31) + "\r\n",
       Expected(true, 0, kScreenBufferSize, 0x77), true},
      {"literals past the end are dropped", "D" + Repeated("\x55\xFF", 30) + std::string(40, 'x') + "\r\n",
       Expected(false, 7650, kScreenBufferSize, 'x'), true},
      {"skips past the end write nothing", "D" + Repeated("\x55\xFF", 40) + "q\xAA\x09\x01\r\n",
       Expected(false, 0, 0, 0), true},
      {"a stream cut short leaves what came", "B\xAA\x05", Expected(true, 0, 0, 0), false},
      {"an endless stream is given up", "B" + std::string(40000, 'z'), Expected(true, 0, kScreenBufferSize, 'z'),
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Decode(c.reply), c.expected);
    EXPECT_EQ(analyzer.LastCaptureComplete(), c.complete ? 1 : 0);
    analyzer.CloseConnection();
  }
}

TEST_F(DisplayCaptureTest, EachCaptureWaitsItsDelayForTheModelClass) {
  struct Case {
    unsigned short kind;
    unsigned short modelClass;
    const char* query;
    long long delay;
  };
  for (const Case& c : {Case{kFullCapture, 1, "QQQRF\r\n\x11", 1400}, Case{kFullCapture, 3, "QQQRF\r\n\x11", 2000},
                        Case{kChangesCapture, 3, "QQQRD\r\n\x11", 1600}, Case{7, 2, "QQQRD\r\n\x11", 1400}}) {
    SCOPED_TRACE(c.query + std::to_string(c.modelClass));
    OpenSerial();
    analyzer.modelClass = c.modelClass;
    line.ClearWritten();
    line.Answer(c.query, "B\r\n", c.delay);
    GuardedScreen screen{};
    EXPECT_GE(MillisecondsTaken([&] { EXPECT_EQ(analyzer.GetDisplayData(c.kind, screen.data(), 0, 1), 1); }),
              c.delay);
    EXPECT_EQ(line.Written(), std::string("\x12") + c.query + "\x17");
    EXPECT_EQ(analyzer.LastCaptureComplete(), 1);
    analyzer.CloseConnection();
  }
}

TEST_F(DisplayCaptureTest, WithoutAScreenNothingIsAsked) {
  OpenSerial();
  line.ClearWritten();
  EXPECT_EQ(analyzer.GetDisplayData(kFullCapture, nullptr, 0, 0), 0);
  EXPECT_EQ(line.Written(), "");
}

TEST(CreateBitmapFromDataTest, ALitPixelIsAClearedBitInRowsTopFirst) {
  std::vector<unsigned char> screen(kScreenBufferSize, 0);
  std::vector<unsigned char> bitmap(kBitmapImageSize, 0);
  Talvinet::CreateBitmapFromData(bitmap.data(), screen.data());
  EXPECT_EQ(bitmap, std::vector<unsigned char>(kBitmapImageSize, 0xFF));

  screen[0] = 0x80;                      // band 0, column 0, top row
  screen[15 * 480 + 479] = 0x01;         // band 15, column 479, bottom row
  screen[1 * 480 + 9] = 0x10;            // band 1, column 9, row 8 + 3
  Talvinet::CreateBitmapFromData(bitmap.data(), screen.data());
  std::vector<unsigned char> expected(kBitmapImageSize, 0xFF);
  expected[0] = 0x7F;
  expected[kBitmapImageSize - 1] = 0xFE;
  expected[11 * 60 + 1] = 0xBF;
  EXPECT_EQ(bitmap, expected);
  Talvinet::CreateBitmapFromData(nullptr, screen.data());
  Talvinet::CreateBitmapFromData(bitmap.data(), nullptr);
}

}  // namespace
}  // namespace talvinet::testing
