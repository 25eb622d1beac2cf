#include "browser/ComputerDrives.h"

#include <QDir>
#include <QStorageInfo>

#include "browser/TreeImages.h"

namespace {

bool IsUnder(const QString& path, const char* folder) { return path.startsWith(QLatin1String(folder)); }

bool IsRemovableMount(const QString& mountPoint) {
  return IsUnder(mountPoint, "/media/") || IsUnder(mountPoint, "/run/media/") || IsUnder(mountPoint, "/mnt/");
}

}  // namespace

int DriveImage(const QString& mountPoint, const QString& fileSystemType) {
  static const QStringList network{QStringLiteral("nfs"),  QStringLiteral("nfs4"),  QStringLiteral("cifs"),
                                   QStringLiteral("smb3"), QStringLiteral("smbfs"), QStringLiteral("fuse.sshfs"),
                                   QStringLiteral("sshfs"), QStringLiteral("9p")};
  static const QStringList optical{QStringLiteral("iso9660"), QStringLiteral("udf")};
  if (network.contains(fileSystemType)) return TreeImage::kNetworkDrive;
  if (optical.contains(fileSystemType)) return TreeImage::kCdRomDrive;
  if (IsRemovableMount(mountPoint)) return TreeImage::kRemovableDrive;
  return TreeImage::kFixedDrive;
}

std::vector<ComputerDrive> ListComputerDrives() {
  std::vector<ComputerDrive> drives;
  auto add = [&drives](const QString& mountPoint) {
    const QStorageInfo storage(mountPoint);
    drives.push_back({mountPoint, DriveImage(mountPoint, QString::fromLatin1(storage.fileSystemType()))});
  };
  add(QStringLiteral("/"));
  const QString home = QDir::homePath();
  if (home != QLatin1String("/")) add(home);
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && IsRemovableMount(volume.rootPath())) add(volume.rootPath());
  }
  return drives;
}
