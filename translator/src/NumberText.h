// Locale-independent number text: translated files must read the same
// whatever locale the host program runs under.
#pragma once

#include <cstdint>
#include <string>

// As printf("%*.*f", width, precision, value) in the C locale.
std::string FixedText(double value, int precision, int width = 0);

// The same text written into [first, last); returns its end, or `first`
// (nothing written) when it does not fit.
char* FixedChars(char* first, char* last, double value, int precision, int width = 0);

// The `count` bits of `value` from bit count-1 down to bit 0 as '0' and '1'.
std::string BitText(uint32_t value, int count);
