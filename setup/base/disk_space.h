// The free space of a drive, as the folder prompt asks for it.
#pragma once

class DiskSpace {
 public:
  virtual ~DiskSpace() = default;
  // Free space of the drive of drivePath in K; false when it cannot be read.
  virtual bool FreeSpace(const char* drivePath, double& kilobytes) = 0;
};
