// Locale-independent number text: translated files must read the same
// whatever locale the host program runs under.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

// Room that PutFixedText needs: any double in fixed notation with a
// precision below 80, or `width` characters when that is more.
constexpr std::size_t FixedTextRoom(int width) { return std::max<std::size_t>(400, width > 0 ? width : 0); }

// Writes printf("%*.*f", width, precision, value) in the C locale at `out`,
// which has FixedTextRoom(width) bytes; returns the end of the text.
char* PutFixedText(char* out, double value, int precision, int width = 0);
std::string FixedText(double value, int precision, int width = 0);

// Writes the `count` bits of `value` from bit count-1 down to bit 0 as '0'
// and '1' at `out`; returns the end.
char* PutBitText(char* out, uint32_t value, int count);
std::string BitText(uint32_t value, int count);
