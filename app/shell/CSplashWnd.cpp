#include "shell/CSplashWnd.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include "shell/Artwork.h"

CSplashWnd::CSplashWnd(int milliseconds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture(artwork::StartupPicture()) {
  setObjectName(QStringLiteral("splashWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(picture.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(), picture.size());
    placed.moveCenter(screen->geometry().center());
    move(placed.topLeft());
  }
  displayTimer.start(milliseconds, this);
}

CSplashWnd* CSplashWnd::ShowSplashScreen(int milliseconds) {
  auto* splash = new CSplashWnd(milliseconds);
  splash->show();
  splash->repaint();
  return splash;
}

void CSplashWnd::HideSplashScreen() {
  displayTimer.stop();
  emit Dismissed();
  close();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture);
}

void CSplashWnd::keyPressEvent(QKeyEvent*) { HideSplashScreen(); }

void CSplashWnd::mousePressEvent(QMouseEvent*) { HideSplashScreen(); }

void CSplashWnd::timerEvent(QTimerEvent* event) {
  if (event->timerId() == displayTimer.timerId()) HideSplashScreen();
}
