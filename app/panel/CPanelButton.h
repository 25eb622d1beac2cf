// A button of the virtual panel: the drawn key face with either an icon or a
// label of one or two lines on it.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class CPanelButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CPanelButton(QWidget* parent = nullptr);

  // The label as stored ("&&" stands for one "&"); shown when there is no icon.
  void SetLabel(const QString& label);
  QString Label() const { return label; }
  void SetPicture(const QPixmap& picture);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString label;
  QPixmap picture;
};
