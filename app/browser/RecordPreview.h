// The files of one record preview. They live in a private folder of the
// running program, so two programs never overwrite each other's previews and
// an unwritable working directory does not matter.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include "morvane/Morvane.h"

class PreviewFiles {
 public:
  // False when the private folder could not be made.
  bool Ready() const { return folder.isValid(); }
  QString Folder() const { return folder.path(); }
  // The one record copied from the analyzer, as a binary data file.
  QString TempOut() const { return folder.filePath(QStringLiteral("VerdalTempOut.xxx")); }
  // The translated text.
  QString BlockData() const { return folder.filePath(QStringLiteral("VerdalBlockData.xxx")); }

 private:
  QTemporaryDir folder;
};

// Copies `path`, in the file system's encoding, into a path field of a
// translation request; false when it is empty or does not fit with its
// terminating zero.
bool CopyTranslatePath(const QString& path, char (&field)[kTranslatePathSize]);

// Translates record (type, number) of `inputPath` into `outputPath` under
// `profile`, for the blocks `blockSelect` names. False when it failed or a
// path does not fit the translation request.
bool TranslateForPreview(const QString& inputPath, const QString& outputPath, int type, int number,
                         unsigned short blockSelect, _DataProfileTag* profile);
