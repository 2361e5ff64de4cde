#include "fileops/version_stamp.h"

#include <windows.h>

#include <new>

namespace {

// Reads the fixed part into stamp, and the first translation when there is
// one (translated). kVersionNone without a fixed part.
int ReadResource(const char* path, VersionStamp& stamp, bool& translated) {
  stamp = VersionStamp();
  translated = false;
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
    result = kVersionRead;
    if (VerQueryValueA(block, "\\VarFileInfo\\Translation", &value, &length) && value &&
        length >= 2 * sizeof(WORD)) {
      const auto* translation = static_cast<const WORD*>(value);
      stamp.language = translation[0];
      stamp.characterSet = translation[1];
      translated = true;
    }
  }
  delete[] block;
  return result;
}

}  // namespace

int ReadVersionStamp(const char* path, VersionStamp& stamp) {
  bool translated = false;
  int result = ReadResource(path, stamp, translated);
  if (result == kVersionRead && !translated) result = kVersionNone;
  if (result != kVersionRead) stamp = VersionStamp();
  return result;
}

bool FileVersionMs(const char* path, uint32_t& versionMs) {
  VersionStamp stamp;
  bool translated = false;
  if (ReadResource(path, stamp, translated) != kVersionRead) return false;
  versionMs = stamp.versionMs;
  return true;
}
