#include "panel/CPanelButton.h"

#include <QPainter>

#include "panel/KeyFaces.h"

namespace {
constexpr int kLabelPixelSize = 10;
}  // namespace

CPanelButton::CPanelButton(QWidget* parent) : QAbstractButton(parent) {
  setFixedSize(faces::kFaceWidth, faces::kFaceHeight);
  setFocusPolicy(Qt::TabFocus);
}

void CPanelButton::SetLabel(const QString& text) {
  label = text;
  setText(QString(text).replace(QLatin1String("&&"), QLatin1String("&")).replace(QLatin1Char('\n'), QLatin1Char(' ')));
  update();
}

void CPanelButton::SetPicture(const QPixmap& image) {
  picture = image;
  update();
}

QSize CPanelButton::sizeHint() const { return {faces::kFaceWidth, faces::kFaceHeight}; }

void CPanelButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, faces::Face(isDown()));
  // A pressed face moves its content one pixel down and right.
  const QRect area = rect().translated(isDown() ? QPoint(1, 1) : QPoint());
  if (!picture.isNull()) {
    painter.drawPixmap(area.left() + (width() - picture.width()) / 2, area.top() + (height() - picture.height()) / 2, picture);
  } else {
    QFont font = painter.font();
    font.setPixelSize(kLabelPixelSize);
    painter.setFont(font);
    painter.setPen(isEnabled() ? Qt::black : Qt::gray);
    painter.drawText(area.adjusted(2, 1, -2, -1), Qt::AlignCenter, QString(label).replace(QLatin1String("&&"), QLatin1String("&")));
  }
  if (hasFocus()) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}
