#include "shell/CAboutDlg.h"

#include "shell/Artwork.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CBitmapDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(QStringLiteral("About Verdalon"));
  SetBitmap(artwork::StartupPicture(), Mode::TopLeft);
  // 263 x 138 dialog units hold the picture at its natural size.
  setFixedSize(artwork::kStartupPictureWidth, artwork::kStartupPictureHeight);
}
