// DriveOperations: free space, drive kinds and short paths. They change
// nothing and report nothing, so they need no context.
#pragma once

#include <string>

#include "base/disk_space.h"
#include "base/short_paths.h"

// Drive kinds answered by DriveType.
enum DriveKind {
  kDriveUnknown = -1,
  kDriveRemovable = 0,
  kDriveFixed = 1,
  kDriveRemote = 2,
  kDriveCdRom = 3,
};

class DriveOperations : public DiskSpace, public ShortPaths {
 public:
  // Free space of the drive of path in K; false when it cannot be read.
  bool FreeSpace(const char* drivePath, double& kilobytes) override;
  int DriveType(const char* rootPath);
  // The platform's short (8.3) form of an existing path; nothing reported.
  bool ShortPath(const char* path, std::string& shortPath) override;
};
