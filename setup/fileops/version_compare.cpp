// Version stamps of files and the version comparison of the copy policy
// that compares version resources.
#include "fileops/version_stamp.h"

#include "base/path_buffer.h"
#include "fileops/copy_strategies.h"
#include "fileops/file_operations.h"
#include "fileops/version_numbers.h"
#include "ui/file_attribute_dialog.h"

#include <new>

int ReadVersionStamp(const char* path, VersionStamp& stamp) {
  stamp = VersionStamp();
  if (!path) return kVersionNone;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return kVersionNone;
  unsigned char* block = new (std::nothrow) unsigned char[size];
  if (!block) return kVersionFailed;
  int result = kVersionNone;
  void* value = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path, 0, size, block)) {
    result = kVersionFailed;
  } else if (VerQueryValueA(block, "\\", &value, &length) && value &&
             length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    stamp.os = fixed->dwFileOS;
    stamp.type = fixed->dwFileType;
    stamp.subtype = fixed->dwFileSubtype;
    stamp.versionMs = fixed->dwFileVersionMS;
    stamp.versionLs = fixed->dwFileVersionLS;
    if (VerQueryValueA(block, "\\VarFileInfo\\Translation", &value, &length) && value &&
        length >= 2 * sizeof(WORD)) {
      const auto* translation = static_cast<const WORD*>(value);
      stamp.language = translation[0];
      stamp.characterSet = translation[1];
      result = kVersionRead;
    }
  }
  delete[] block;
  if (result != kVersionRead) stamp = VersionStamp();
  return result;
}

int CompareVersionStamps(FileOperations& ops, const char* newFile, PathBuffer& existing) {
  VersionStamp existingStamp, newStamp;
  // An existing file without a version is always replaced; a new file
  // without one never replaces anything.
  switch (ReadVersionStamp(existing.Get(), existingStamp)) {
    case kVersionNone:
      return kPolicyCopy;
    case kVersionFailed:
      return kPolicyError;
    default:
      break;
  }
  switch (ReadVersionStamp(newFile, newStamp)) {
    case kVersionNone:
      return kPolicyKeep;
    case kVersionFailed:
      return kPolicyError;
    default:
      break;
  }
  if (existingStamp.type == newStamp.type && existingStamp.subtype == newStamp.subtype &&
      existingStamp.language == newStamp.language &&
      existingStamp.characterSet == newStamp.characterSet) {
    return CompareVersionWords(existingStamp.versionMs, existingStamp.versionLs, newStamp.versionMs,
                               newStamp.versionLs) < 0
               ? kPolicyCopy
               : kPolicyKeep;
  }
  // Files of another kind or language are the user's to decide.
  switch (ShowFileAttributeDialog(ops.Owner(), newFile, newStamp, existing, existingStamp)) {
    case kAttributeCopy:
      return kPolicyCopy;
    case kAttributeSkip:
      return kPolicyKeep;
    default:
      return kPolicyError;
  }
}
