#include "serial/OpenFailure.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace talvinet {
namespace {

// The name of group `gid`, or its number when it has none.
std::string GroupName(gid_t gid) {
  std::vector<char> buffer(4096);
  group entry{};
  group* found = nullptr;
  if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) return found->gr_name;
  return std::to_string(gid);
}

std::string PermissionAdvice(const std::string& devicePath) {
  struct stat status {};
  const bool groupMayUse = stat(devicePath.c_str(), &status) == 0 && (status.st_mode & (S_IRGRP | S_IWGRP)) ==
                                                                          (S_IRGRP | S_IWGRP);
  if (!groupMayUse || status.st_gid == 0) return "ask the administrator for read and write access to it";
  const std::string group = GroupName(status.st_gid);
  return "add yourself to the group " + group + " (sudo usermod -aG " + group + " $USER) and log in again";
}

}  // namespace

std::string DescribeOpenFailure(const std::string& devicePath, int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "no such device";
    case EACCES:
    case EPERM:
      return "permission denied; " + PermissionAdvice(devicePath);
    case EBUSY:
      return "the serial port " + devicePath + " is in use by another program";
    case ENOTTY:
      return "not a serial device";
    case 0:
      return "cannot be opened";
    default:
      return std::strerror(errorNumber);
  }
}

}  // namespace talvinet
