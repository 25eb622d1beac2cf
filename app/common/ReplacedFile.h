// The program's files are written whole or not at all, and a file they
// replace keeps what the user set up: a symbolic link stays and its linked
// file is replaced, the permission bits and the group carry over.
#pragma once

#include <QString>

class QSaveFile;

namespace files {

// Opens `file` for writing. QSaveFile itself writes through links and keeps
// the permission bits; this gives the new file the replaced file's group too,
// where the system lets the user give it.
bool OpenReplacing(QSaveFile& file);

// `message`, and on a line of its own the reason when it is that the folder
// of `path` cannot take a new file ("The folder /data cannot take a new
// file: Permission denied.").
QString WithNewFileRefusal(const QString& message, const QString& path);

}  // namespace files
