#include "simanalyzer/ScreenPicture.h"

#include "ScreenFont.h"

namespace simanalyzer {

void ScreenPicture::Light(int x, int y) {
  if (x < 0 || x >= kScreenColumns || y < 0 || y >= kScreenRows) return;
  bytes_[static_cast<std::size_t>(y / 8 * kScreenColumns + x)] |= static_cast<uint8_t>(0x80u >> (y % 8));
}

void ScreenPicture::Text(int cell, int band, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int left = (cell + static_cast<int>(i)) * kCellWidth;
    const auto glyph = Glyph(text[i]);
    for (int column = 0; column < kGlyphWidth; ++column) {
      for (int row = 0; row < 8; ++row) {
        if ((glyph[static_cast<std::size_t>(column)] >> row & 1u) != 0) Light(left + column, band * 8 + row);
      }
    }
  }
}

void ScreenPicture::Bar(int x, int width, int bottom, int height) {
  for (int row = bottom; row > bottom - height; --row) HorizontalLine(row, x, x + width - 1);
}

void ScreenPicture::HorizontalLine(int y, int fromX, int toX) {
  for (int x = fromX; x <= toX; ++x) Light(x, y);
}

}  // namespace simanalyzer
