// The virtual analyzer's 480 x 128 pixel screen, in the analyzer's own
// layout: 16 bands of 8 rows, one byte a column of a band (band * 480 +
// column), bit 7 the band's top row, a 1 for a lit pixel.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace simanalyzer {

constexpr int kScreenColumns = 480;
constexpr int kScreenRows = 128;
constexpr int kScreenBands = kScreenRows / 8;
using ScreenBytes = std::array<uint8_t, kScreenColumns * kScreenBands>;

class ScreenPicture {
 public:
  const ScreenBytes& Bytes() const { return bytes_; }

  // Pixels off the screen are left out.
  void Light(int x, int y);
  // Text in character cells of the font (80 to a band), cut at the edge.
  void Text(int cell, int band, std::string_view text);
  // A bar `height` pixels tall standing on row `bottom`.
  void Bar(int x, int width, int bottom, int height);
  void HorizontalLine(int y, int fromX, int toX);

 private:
  ScreenBytes bytes_{};
};

}  // namespace simanalyzer
