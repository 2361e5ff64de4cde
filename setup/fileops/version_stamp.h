// What is compared of a file's version resource, and the comparison.
#pragma once

#include <windows.h>

#include <cstdint>

class FileOperations;
class PathBuffer;

struct VersionStamp {
  uint16_t language = 0;  // first pair of \VarFileInfo\Translation
  uint16_t characterSet = 0;
  uint32_t os = 0;  // read, never compared
  uint32_t type = 0;
  uint32_t subtype = 0;
  uint32_t versionMs = 0;
  uint32_t versionLs = 0;
};

enum VersionRead { kVersionRead = 0, kVersionNone = 1, kVersionFailed = 2 };

// kVersionRead, kVersionNone (no usable version resource) or kVersionFailed.
int ReadVersionStamp(const char* path, VersionStamp& stamp);

// New file newFile against the existing file existing: kPolicyCopy (replace),
// kPolicyKeep or kPolicyError. Files of different type, subtype, language or
// character set go to the "File Attribute Incompatible" question, owned by
// ops.Owner(); when it is answered Copy, existing may hold the path the user
// typed.
int CompareVersionStamps(FileOperations& ops, const char* newFile, PathBuffer& existing);
