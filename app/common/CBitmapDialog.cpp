#include "common/CBitmapDialog.h"

#include <QPainter>

CBitmapDialog::CBitmapDialog(QWidget* parent) : QDialog(parent) {}

void CBitmapDialog::SetBitmap(const QPixmap& picture, Mode drawMode) {
  bitmap = picture;
  mode = drawMode;
  update();
}

void CBitmapDialog::paintEvent(QPaintEvent* event) {
  if (bitmap.isNull()) {
    QDialog::paintEvent(event);
    return;
  }
  QPainter painter(this);
  switch (mode) {
    case Mode::Stretch:
      painter.drawPixmap(rect(), bitmap);
      break;
    case Mode::Centre:
      painter.drawPixmap((width() - bitmap.width()) / 2, (height() - bitmap.height()) / 2, bitmap);
      break;
    case Mode::TopLeft:
      painter.drawPixmap(0, 0, bitmap);
      break;
    case Mode::Tile:
      painter.drawTiledPixmap(rect(), bitmap);
      break;
  }
}
