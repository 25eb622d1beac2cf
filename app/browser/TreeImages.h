// The twelve pictures of the file tree's items, 16 x 15 pixels each.
#pragma once

#include <QPixmap>

namespace TreeImage {
inline constexpr int kPlaceholder = 0;
inline constexpr int kAnalyzer = 1;
inline constexpr int kClosedFolder = 2;
inline constexpr int kComputer = 3;
inline constexpr int kOpenFolder = 4;
inline constexpr int kNetworkDrive = 5;
inline constexpr int kRemovableDrive = 6;
inline constexpr int kCdRomDrive = 7;
inline constexpr int kFixedDrive = 8;
inline constexpr int kFile = 9;
inline constexpr int kRecord = 10;
inline constexpr int kBlock = 11;
inline constexpr int kCount = 12;

inline constexpr int kWidth = 16;
inline constexpr int kHeight = 15;

// Image `index` (0-11), drawn anew; the placeholder's image is blank.
QPixmap Image(int index);
}  // namespace TreeImage
