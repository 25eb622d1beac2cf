#include "common/ReplacedFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>

#include "talvinet/WholeFile.h"

namespace files {

bool OpenReplacing(QSaveFile& file) {
  if (!file.open(QIODevice::WriteOnly)) return false;
  struct stat old{};
  if (::stat(QFile::encodeName(file.fileName()).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
    // Refused when the user is no member of that group; the folder's group stays then.
    [[maybe_unused]] const int grouped = ::fchown(file.handle(), static_cast<uid_t>(-1), old.st_gid);
    // A change of group can clear the set-group-id bit that QSaveFile carried over.
    ::fchmod(file.handle(), old.st_mode & 07777);
  }
  return true;
}

QString WithNewFileRefusal(const QString& message, const QString& path) {
  QString refusal = QString::fromLocal8Bit(talvinet::NewFileRefusal(QFile::encodeName(path).toStdString()));
  if (refusal.isEmpty()) return message;
  refusal[0] = refusal[0].toUpper();
  return message + QLatin1Char('\n') + refusal + QLatin1Char('.');
}

}  // namespace files
