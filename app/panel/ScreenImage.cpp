#include "panel/ScreenImage.h"

#include <cstring>

#include "talvinet/Talvinet.h"

namespace panel {

QImage ScreenImage(const unsigned char* bitmap) {
  QImage image(talvinet::kScreenWidth, talvinet::kScreenHeight, QImage::Format_Mono);
  // A bitmap bit is 1 where the pixel is dark on the analyzer, shown white.
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < talvinet::kScreenHeight; ++y)
    std::memcpy(image.scanLine(y), bitmap + y * talvinet::kBitmapRowBytes, talvinet::kBitmapRowBytes);
  return image;
}

}  // namespace panel
