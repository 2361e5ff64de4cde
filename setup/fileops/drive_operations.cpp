// Free space, drive kinds and short paths. GetDiskFreeSpaceA is what every
// Windows 95 has; its figures are multiplied in double precision so that
// large drives do not wrap.
#include "fileops/drive_operations.h"

#include <windows.h>

bool DriveOperations::FreeSpace(const char* drivePath, double& kilobytes) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceA(drivePath, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
    return false;
  kilobytes = static_cast<double>(freeClusters) * sectorsPerCluster * bytesPerSector / 1024.0;
  return true;
}

int DriveOperations::DriveType(const char* rootPath) {
  switch (GetDriveTypeA(rootPath)) {
    case DRIVE_REMOVABLE:
      return kDriveRemovable;
    case DRIVE_FIXED:
      return kDriveFixed;
    case DRIVE_REMOTE:
      return kDriveRemote;
    case DRIVE_CDROM:
      return kDriveCdRom;
    default:
      return kDriveUnknown;
  }
}

bool DriveOperations::ShortPath(const char* path, std::string& shortPath) {
  shortPath.clear();
  char text[MAX_PATH];
  const DWORD length = path ? GetShortPathNameA(path, text, MAX_PATH) : 0;
  if (length == 0 || length >= MAX_PATH) return false;
  shortPath.assign(text, length);
  return true;
}
