// The captured screen as a PNG picture: 480 x 128, one bit a pixel, lit
// pixels black on white.
#pragma once

#include <string>

namespace verda {

// `bitmap` is a bitmap image of CreateBitmapFromData. Written whole or not
// at all; false when it could not be written.
bool WriteScreenPng(const std::string& path, const unsigned char* bitmap);

}  // namespace verda
