#include "panel/KeyFaces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace faces {
namespace {

constexpr int kIconWidth = 26;
constexpr int kIconHeight = 19;

QPixmap Blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// An arrowhead pointing up, `size` pixels high, with its tip at `tip`.
QPolygon UpHead(QPoint tip, int size) { return QPolygon({tip, tip + QPoint(size, size), tip + QPoint(-size, size)}); }

}  // namespace

QPixmap Face(bool pressed) {
  QPixmap face(kFaceWidth, kFaceHeight);
  QPainter painter(&face);
  const QColor body = pressed ? QColor(150, 152, 158) : QColor(196, 198, 204);
  painter.fillRect(face.rect(), body);
  const QColor light = pressed ? QColor(90, 92, 98) : QColor(238, 240, 244);
  const QColor dark = pressed ? QColor(228, 230, 234) : QColor(88, 90, 96);
  const int right = kFaceWidth - 1;
  const int bottom = kFaceHeight - 1;
  for (int edge = 0; edge < 2; ++edge) {
    painter.setPen(light);
    painter.drawLine(edge, edge, right - edge, edge);
    painter.drawLine(edge, edge, edge, bottom - edge);
    painter.setPen(dark);
    painter.drawLine(edge, bottom - edge, right - edge, bottom - edge);
    painter.drawLine(right - edge, edge, right - edge, bottom - edge);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(0.5, 0.5, kFaceWidth - 1, kFaceHeight - 1), 3, 3);
  return face;
}

QPixmap ToolIcon(Tool tool) {
  QPixmap icon = Blank(kIconWidth, kIconHeight);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  switch (tool) {
    case Tool::Update: {  // a circular arrow
      painter.drawArc(QRect(6, 2, 14, 14), 60 * 16, 280 * 16);
      painter.setBrush(Qt::black);
      painter.drawPolygon(QPolygon({QPoint(17, 1), QPoint(22, 5), QPoint(16, 7)}));
      break;
    }
    case Tool::Capture: {  // a camera
      painter.setBrush(QColor(70, 70, 70));
      painter.drawRoundedRect(QRect(3, 5, 20, 12), 2, 2);
      painter.drawRect(QRect(9, 2, 7, 3));
      painter.setBrush(Qt::white);
      painter.drawEllipse(QRect(9, 7, 8, 8));
      break;
    }
    case Tool::Options: {  // a ticked box and a slider
      painter.drawRect(QRect(2, 3, 9, 9));
      painter.drawPolyline(QPolygon({QPoint(4, 7), QPoint(6, 10), QPoint(10, 4)}));
      painter.drawLine(14, 13, 24, 13);
      painter.setBrush(Qt::black);
      painter.drawRect(QRect(18, 10, 3, 6));
      break;
    }
    case Tool::Sync: {  // two arrows, one each way
      painter.drawLine(4, 6, 20, 6);
      painter.drawLine(6, 13, 22, 13);
      painter.setBrush(Qt::black);
      painter.drawPolygon(QPolygon({QPoint(24, 6), QPoint(19, 2), QPoint(19, 10)}));
      painter.drawPolygon(QPolygon({QPoint(2, 13), QPoint(7, 9), QPoint(7, 17)}));
      break;
    }
  }
  return icon;
}

QPixmap ArrowIcon(keypad::Arrow arrow, bool shifted) {
  QPixmap icon = Blank(kIconWidth, kIconHeight);
  if (arrow == keypad::Arrow::None) return icon;
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  // Drawn pointing up about the icon's centre, then turned.
  painter.translate(kIconWidth / 2.0, kIconHeight / 2.0);
  const int turns = arrow == keypad::Arrow::Up ? 0 : arrow == keypad::Arrow::Right ? 1 : arrow == keypad::Arrow::Down ? 2 : 3;
  painter.rotate(90.0 * turns);
  if (shifted) {
    painter.drawPolygon(UpHead(QPoint(0, -8), 6));
    painter.drawPolygon(UpHead(QPoint(0, -1), 6));
  } else {
    painter.drawPolygon(UpHead(QPoint(0, -5), 7));
  }
  return icon;
}

}  // namespace faces
