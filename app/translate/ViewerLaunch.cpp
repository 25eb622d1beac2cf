#include "translate/ViewerLaunch.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool LaunchViewer(const QString& viewerPath, const QString& outputPath) {
  if (viewerPath.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(outputPath));
  // One argument, so a path with blanks reaches the viewer whole.
  return QProcess::startDetached(viewerPath, {outputPath});
}
