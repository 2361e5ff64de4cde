// The one reader of a file's version resource.
#pragma once

#include <cstdint>

#include "base/version_stamp.h"

enum VersionRead { kVersionRead = 0, kVersionNone = 1, kVersionFailed = 2 };

// kVersionRead, kVersionNone (no fixed part or no translation) or
// kVersionFailed (the resource could not be read). The stamp is all zeros
// unless kVersionRead.
int ReadVersionStamp(const char* path, VersionStamp& stamp);

// The most significant 32 bits of the file version of path; false when it
// has no fixed version part (a translation is not needed).
bool FileVersionMs(const char* path, uint32_t& versionMs);
