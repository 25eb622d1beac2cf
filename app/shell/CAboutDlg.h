// The About box: the start-up picture and nothing else.
#pragma once

#include "common/CBitmapDialog.h"

class CAboutDlg : public CBitmapDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
