#include "common/LastFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/SettingsKeys.h"

namespace folders {
namespace {

QString KeyOf(Use use) {
  return QString::fromLatin1(use == Use::Output ? settings::kLastOutputKey : settings::kLastDownloadKey);
}

}  // namespace

QString LastFolder(Use use) {
  settings::Store store;
  const QString last = store.ReadText(settings::kFoldersSection, KeyOf(use), QString());
  if (!last.isEmpty() && QFileInfo(last).isDir()) return QFileInfo(last).absoluteFilePath();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

void Remember(Use use, const QString& filePath) {
  settings::Store store;
  store.WriteText(settings::kFoldersSection, KeyOf(use), QFileInfo(filePath).absolutePath());
}

QString ProposedDownloadPath(const QString& name) {
  return QDir(LastFolder(Use::Download)).filePath(name.trimmed() + QStringLiteral(".vqb"));
}

}  // namespace folders
