// The start-up picture: shown for a while on top of everything, gone at once
// on a key or a click. Start-up does not wait for it.
#pragma once

#include <QBasicTimer>
#include <QPixmap>
#include <QWidget>

class CSplashWnd : public QWidget {
  Q_OBJECT

 public:
  // Shows the picture for `milliseconds`; it deletes itself when dismissed.
  static CSplashWnd* ShowSplashScreen(int milliseconds);

 signals:
  void Dismissed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  explicit CSplashWnd(int milliseconds);
  void HideSplashScreen();

  QPixmap picture;
  QBasicTimer displayTimer;
};
