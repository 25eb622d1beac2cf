// Printing the analyzer's screen picture on one page.
#pragma once

#include <QImage>
#include <QRect>

class QPrinter;

namespace panel {

// Where the picture goes on a page whose printable area is `printable`: its
// proportions kept, as large as fits `printSize` tenths of the printable width
// and height (sizes outside 1 to 10 are taken as the nearest of them), at
// the printable area's top left corner.
QRect PrintedRect(const QRect& printable, const QSize& picture, int printSize);

// Prints `picture` as one page; false when the page could not be printed.
bool PrintScreenPicture(QPrinter& printer, const QImage& picture, int printSize);

}  // namespace panel
