// A dialog whose background is a picture, drawn in one of four modes.
#pragma once

#include <QDialog>
#include <QPixmap>

class CBitmapDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Stretch, Centre, TopLeft, Tile };

  explicit CBitmapDialog(QWidget* parent = nullptr);
  void SetBitmap(const QPixmap& bitmap, Mode mode);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap bitmap;
  Mode mode = Mode::TopLeft;
};
