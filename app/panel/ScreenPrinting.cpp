#include "panel/ScreenPrinting.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "panel/PanelSettings.h"

namespace panel {

QRect PrintedRect(const QRect& printable, const QSize& picture, int printSize) {
  if (picture.isEmpty() || printable.isEmpty()) return {};
  const int tenths = std::clamp(printSize, kSmallestPrintSize, kLargestPrintSize);
  const QSize room(printable.width() * tenths / kLargestPrintSize, printable.height() * tenths / kLargestPrintSize);
  return QRect(printable.topLeft(), picture.scaled(room, Qt::KeepAspectRatio));
}

bool PrintScreenPicture(QPrinter& printer, const QImage& picture, int printSize) {
  printer.setDocName(QStringLiteral("VirtualRTA Screen Capture"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter's origin is the printable area's corner.
  const QRect printable(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  painter.drawImage(PrintedRect(printable, picture.size(), printSize), picture);
  return painter.end();
}

}  // namespace panel
