// The bitmap file of a captured analyzer screen: a 480 x 128 monochrome
// picture, lit pixels black on white.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace talvinet {

constexpr std::size_t kScreenBitmapFileSize = 7742;

// The whole file for a bitmap image of CreateBitmapFromData.
std::array<unsigned char, kScreenBitmapFileSize> ScreenBitmapFileBytes(const unsigned char* bitmap);

// Writes the file whole or not at all; false when it could not be written.
bool WriteScreenBitmapFile(const std::string& path, const unsigned char* bitmap);

}  // namespace talvinet
