#include "shell/ApplicationIdentity.h"

#include <QGuiApplication>

QIcon ApplicationIcon() {
  QIcon icon(QStringLiteral(":/icons/org.verdalon.Verdalon.svg"));
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/org.verdalon.Verdalon.png").arg(size), QSize(size, size));
  }
  return icon;
}

void ApplyDesktopIdentity() {
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopFileName));
  QGuiApplication::setWindowIcon(ApplicationIcon());
}
