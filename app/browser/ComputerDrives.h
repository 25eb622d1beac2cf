// The computer's "drives" on Linux: mount points stand where drive letters
// would be, each with the drive image its kind of storage calls for.
#pragma once

#include <QString>
#include <vector>

struct ComputerDrive {
  QString text;  // the mount point, such as "/" or "/media/user/STICK"
  int image = 0;
};

// The root file system, the user's home folder and mounted removable media.
std::vector<ComputerDrive> ListComputerDrives();

// The drive image for a mount point of file-system type `fileSystemType`.
int DriveImage(const QString& mountPoint, const QString& fileSystemType);
