#include "manager/ManagerImages.h"

#include <QPainter>
#include <QPolygon>

namespace ManagerImage {
namespace {

const QColor kOutline(60, 60, 60);

QPixmap Blank(int width, int height) {
  QPixmap image(width, height);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QPixmap SetupImage(int index) {
  QPixmap image = Blank(kSetupWidth, kSetupHeight);
  QPainter painter(&image);
  if (index == kSetupInUse) {
    painter.setPen(kOutline);
    painter.setBrush(QColor(60, 110, 190));
    painter.drawRect(1, 1, 9, 12);
    for (int y : {4, 7, 10}) painter.fillRect(QRect(3, y, 6, 1), QColor(230, 236, 250));
  } else {
    painter.setPen(QPen(QColor(100, 100, 100), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(1, 1, 9, 12);
  }
  return image;
}

QPixmap MacroImage(int index) {
  QPixmap image = Blank(kMacroSize, kMacroSize);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kOutline);
  switch (index) {
    case kMacroRunning:
      painter.setBrush(QColor(40, 150, 60));
      painter.drawEllipse(QRectF(0.5, 0.5, 13.5, 13.5));
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::white);
      painter.drawPolygon(QPolygon({QPoint(5, 4), QPoint(11, 7), QPoint(5, 11)}));
      break;
    case kMacroRecording:
      painter.setBrush(QColor(200, 40, 40));
      painter.drawEllipse(QRectF(0.5, 0.5, 13.5, 13.5));
      painter.setBrush(QColor(250, 170, 170));
      painter.setPen(Qt::NoPen);
      painter.drawEllipse(QRectF(4, 4, 6, 6));
      break;
    default:
      painter.setBrush(QColor(235, 230, 205));
      painter.drawRect(2, 1, 10, 12);
      for (int y : {4, 7, 10}) painter.fillRect(QRect(4, y, 6, 1), QColor(110, 110, 110));
      break;
  }
  return image;
}

}  // namespace ManagerImage
