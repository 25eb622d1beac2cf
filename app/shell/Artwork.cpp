#include "shell/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace artwork {

QPixmap StartupPicture() {
  QPixmap picture(kStartupPictureWidth, kStartupPictureHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kStartupPictureHeight);
  sky.setColorAt(0, QColor(18, 52, 86));
  sky.setColorAt(1, QColor(6, 20, 36));
  painter.fillRect(picture.rect(), sky);

  // A decaying wave across the picture, the analyzer's trade.
  QPainterPath wave;
  const double middle = kStartupPictureHeight * 0.62;
  for (int x = 0; x <= kStartupPictureWidth; ++x) {
    const double y = middle - 38.0 * std::exp(-x / 160.0) * std::sin(x / 9.0);
    if (x == 0) wave.moveTo(x, y); else wave.lineTo(x, y);
  }
  painter.setPen(QPen(QColor(120, 220, 140), 2));
  painter.drawPath(wave);

  // Spectrum bars along the bottom.
  for (int bar = 0; bar < 24; ++bar) {
    const int height = 8 + (bar * 37 % 41);
    painter.fillRect(QRect(14 + bar * 16, kStartupPictureHeight - 12 - height, 11, height), QColor(240, 180, 60, 200));
  }

  painter.setPen(Qt::white);
  QFont title(QStringLiteral("Sans Serif"), 30, QFont::Bold);
  painter.setFont(title);
  painter.drawText(QRect(0, 18, kStartupPictureWidth, 50), Qt::AlignHCenter, QStringLiteral("Verdalon"));
  painter.setFont(QFont(QStringLiteral("Sans Serif"), 10));
  painter.drawText(QRect(0, 70, kStartupPictureWidth, 20), Qt::AlignHCenter,
                   QStringLiteral("Sound and vibration analyzer utility"));
  painter.end();
  return picture;
}

}  // namespace artwork
