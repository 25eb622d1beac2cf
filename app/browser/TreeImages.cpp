#include "browser/TreeImages.h"

#include <QPainter>
#include <QPolygon>

namespace TreeImage {
namespace {

const QColor kOutline(60, 60, 60);

void DrawFolder(QPainter& painter, bool open) {
  painter.setPen(kOutline);
  painter.setBrush(QColor(236, 196, 80));
  painter.drawRect(1, 4, 13, 9);
  painter.drawRect(1, 2, 5, 2);
  if (open) {
    painter.setBrush(QColor(250, 222, 130));
    painter.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
  }
}

void DrawDrive(QPainter& painter, const QColor& body, const QColor& light) {
  painter.setPen(kOutline);
  painter.setBrush(body);
  painter.drawRect(1, 5, 13, 6);
  painter.fillRect(QRect(11, 8, 2, 2), light);
}

void Draw(QPainter& painter, int index) {
  switch (index) {
    case kAnalyzer:
      painter.setPen(kOutline);
      painter.setBrush(QColor(70, 90, 120));
      painter.drawRect(3, 1, 9, 13);
      painter.fillRect(QRect(5, 3, 6, 4), QColor(150, 230, 160));
      painter.fillRect(QRect(5, 9, 2, 2), Qt::white);
      painter.fillRect(QRect(8, 9, 2, 2), Qt::white);
      break;
    case kClosedFolder:
      DrawFolder(painter, false);
      break;
    case kOpenFolder:
      DrawFolder(painter, true);
      break;
    case kComputer:
      painter.setPen(kOutline);
      painter.setBrush(QColor(200, 200, 200));
      painter.drawRect(1, 1, 13, 9);
      painter.fillRect(QRect(3, 3, 10, 6), QColor(40, 90, 170));
      painter.drawRect(4, 12, 7, 2);
      break;
    case kNetworkDrive:
      DrawDrive(painter, QColor(190, 190, 190), QColor(40, 160, 40));
      painter.drawLine(7, 11, 7, 14);
      painter.drawLine(2, 14, 13, 14);
      break;
    case kRemovableDrive:
      DrawDrive(painter, QColor(190, 190, 190), QColor(40, 40, 40));
      painter.drawLine(3, 7, 8, 7);
      break;
    case kCdRomDrive:
      painter.setPen(kOutline);
      painter.setBrush(QColor(210, 210, 230));
      painter.drawEllipse(1, 0, 13, 13);
      painter.setBrush(Qt::white);
      painter.drawEllipse(6, 5, 3, 3);
      break;
    case kFixedDrive:
      DrawDrive(painter, QColor(170, 170, 170), QColor(40, 200, 40));
      break;
    case kFile:
      painter.setPen(kOutline);
      painter.setBrush(Qt::white);
      painter.drawPolygon(QPolygon({QPoint(3, 0), QPoint(10, 0), QPoint(13, 3), QPoint(13, 14), QPoint(3, 14)}));
      painter.drawLine(5, 5, 11, 5);
      painter.drawLine(5, 8, 11, 8);
      painter.drawLine(5, 11, 11, 11);
      break;
    case kRecord:
      painter.setPen(kOutline);
      painter.setBrush(QColor(120, 170, 230));
      painter.drawRect(1, 2, 13, 10);
      painter.setPen(Qt::white);
      painter.drawLine(3, 10, 6, 6);
      painter.drawLine(6, 6, 9, 8);
      painter.drawLine(9, 8, 12, 4);
      break;
    case kBlock:
      painter.setPen(kOutline);
      painter.setBrush(QColor(150, 200, 150));
      painter.drawRect(3, 3, 9, 8);
      break;
    default:
      break;
  }
}

}  // namespace

QPixmap Image(int index) {
  QPixmap image(kWidth, kHeight);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  Draw(painter, index);
  return image;
}

}  // namespace TreeImage
