// Reads arbitrary bytes as the program's settings file and reads from it
// everything the program reads at start-up and when it connects: the
// profiles, the window's rectangle and the connection choice. Whatever the
// file holds, the profile list keeps its default profile, has a current
// profile and never more profiles than are stored.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "common/SettingsKeys.h"
#include "connect/ConnectionSettings.h"
#include "profiles/DataProfileStore.h"
#include "shell/WindowPlacement.h"

namespace {

// Each input gets a folder of its own: the settings layer keeps files it
// has read, and would not see a rewritten file of the same size and time.
QString FreshSettingsFolder() {
  static int inputs = 0;
  return QDir::temp().filePath(QStringLiteral("settings_fuzz_%1/%2").arg(getpid()).arg(++inputs));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static int argc = 1;
  static char name[] = "settings_fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);

  const QString folder = FreshSettingsFolder();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  const QString path = QSettings(QString::fromLatin1(settings::kOrganisation), QString::fromLatin1(settings::kApplication)).fileName();
  QDir().mkpath(QFileInfo(path).absolutePath());
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  {
    settings::Store store;
    DataProfileList profiles;
    LoadDataProfiles(store, profiles);
    if (profiles.Count() < 1 || profiles.Count() > kMaxStoredProfiles + 1 || profiles.GetCurrentProfile() == nullptr) {
      std::abort();
    }
    const QRect window = InitialWindowRect(ReadWindowRect(store), QRect(0, 0, 1920, 1080));
    if (window.width() <= 0 || window.height() <= 0) std::abort();
    ReadConnectionChoice(store);
    for (const ListEntry& port : ComPorts()) ReadComDevice(store, port.value);
  }
  QDir(folder).removeRecursively();
  return 0;
}
