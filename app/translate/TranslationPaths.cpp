#include "translate/TranslationPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "browser/FileTreeItemKind.h"
#include "common/LastFolders.h"

namespace {

bool IsLowerCaseText(const QString& text) { return text != text.toUpper() && text == text.toLower(); }

}  // namespace

QString DefaultOutputPath(const QString& inputPath) {
  QString path = inputPath;
  while (path.endsWith(QLatin1Char(' '))) path.chop(1);
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const QString fileName = path.mid(slash + 1);
  const bool vqbExtension = fileName.endsWith(QLatin1String(".vqb"), Qt::CaseInsensitive);
  const QString model = vqbExtension ? fileName.right(3) : fileName;
  const QString extension = IsLowerCaseText(model) ? QStringLiteral("csv") : QStringLiteral("CSV");
  if (vqbExtension) return path.chopped(3) + extension;
  return path + QLatin1Char('.') + extension;
}

QString ProposedOutputPath(int inputKind, const QString& input) {
  if (inputKind != FileTreeItemKind::kMemoryFile) return QFileInfo(DefaultOutputPath(input)).absoluteFilePath();
  return QDir(folders::LastFolder(folders::Use::Output)).filePath(DefaultOutputPath(input));
}

bool IsInputFile(const QString& input, const QString& output) {
  std::error_code unknown;
  return std::filesystem::equivalent(QFile::encodeName(input).toStdString(), QFile::encodeName(output).toStdString(),
                                     unknown);
}

QString RearrangementFailure(const QString& outputPath) {
  return QStringLiteral("The data in %1 could not be formatted; the file stays as it was translated.").arg(outputPath);
}

QByteArray Preamble(const QString& note) {
  if (note.isEmpty()) return {};
  return note.toLatin1() + "\r\n";
}
