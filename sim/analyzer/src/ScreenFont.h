// A 5 x 7 pixel font for the virtual analyzer's screen, printable ASCII only.
#pragma once

#include <array>
#include <cstdint>

namespace simanalyzer {

constexpr int kGlyphWidth = 5;
// Characters sit in cells one column wider than their glyphs.
constexpr int kCellWidth = kGlyphWidth + 1;

// The glyph's columns, left to right; bit 0 is the top row. Characters
// outside the printable range show as blanks.
std::array<uint8_t, kGlyphWidth> Glyph(char c);

}  // namespace simanalyzer
