#include "shell/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Artwork.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CBitmapDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(QStringLiteral("About Verdalon"));
  SetBitmap(artwork::StartupPicture(), Mode::TopLeft);
  auto* version = new QLabel(QStringLiteral("Verdalon version %1").arg(QStringLiteral(VERDALON_VERSION)), this);
  version->setObjectName(QStringLiteral("aboutVersion"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("aboutClose"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  // The picture keeps its natural size above the version and the button.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, artwork::kStartupPictureHeight + 4, 8, 8);
  auto* row = new QHBoxLayout;
  row->addWidget(version, 1);
  row->addWidget(buttons);
  layout->addLayout(row);
  setFixedSize(artwork::kStartupPictureWidth, artwork::kStartupPictureHeight + layout->sizeHint().height() - 4);
}
