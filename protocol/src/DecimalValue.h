#pragma once

#include <cstdlib>

namespace talvinet {

// The leading decimal number of an analyzer reply, as atol reads it, but
// clamped instead of undefined when the digits overflow.
inline long DecimalValue(const char* text) { return std::strtol(text, nullptr, 10); }

}  // namespace talvinet
