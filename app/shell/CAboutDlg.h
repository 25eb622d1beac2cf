// The About box: the start-up picture, the program's version and a close button.
#pragma once

#include "common/CBitmapDialog.h"

class CAboutDlg : public CBitmapDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
