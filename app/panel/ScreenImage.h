// The analyzer's screen as a picture: the bitmap image of a capture made into
// a 480 x 128 monochrome image, lit pixels black on white.
#pragma once

#include <QImage>

namespace panel {

// `bitmap` holds the talvinet::kBitmapImageSize bytes of CreateBitmapFromData.
QImage ScreenImage(const unsigned char* bitmap);

}  // namespace panel
