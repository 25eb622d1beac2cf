#include "panel/ScreenCapture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>

#include "common/ReplacedFile.h"
#include "common/UserPrompts.h"
#include "panel/ScreenPrinting.h"
#include "talvinet/ScreenBitmapFile.h"

namespace panel {

void CaptureToClipboard(const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); }

void CaptureToBitmapFile(QWidget* parent, const unsigned char* bitmap) {
  prompts::FileDialogRequest request;
  request.filter = QStringLiteral("Bitmap Files (*.bmp)|*.bmp|All Files (*)|*||");
  request.defaultSuffix = QStringLiteral("bmp");
  const QString path = prompts::SaveFileName(parent, request);
  if (path.isEmpty()) return;
  if (!talvinet::WriteScreenBitmapFile(QFile::encodeName(path).toStdString(), bitmap))
    prompts::Show(parent, files::WithNewFileRefusal(QString::fromLatin1(kBitmapSaveFailed), path),
                  prompts::Icon::Warning);
}

void CaptureToPrinter(QWidget* parent, QPrinter& printer, const QImage& picture, int printSize) {
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintScreenPicture(printer, picture, printSize))
    prompts::Show(parent, QString::fromLatin1(kPrintFailed), prompts::Icon::Warning);
}

}  // namespace panel
