#include "base/shell_info.h"

#include <windows.h>

#include <cstdio>

ShellInfo& CurrentShellInfo() {
  static ShellInfo info;
  return info;
}

void DetectPlatform(ShellInfo& info) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return;
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT:
      info.platformKind = kPlatformNt;
      break;
    case VER_PLATFORM_WIN32s:
      info.platformKind = kPlatformWin32s;
      break;
    default:
      info.platformKind = kPlatformWindows;
      break;
  }
  info.major = static_cast<int>(version.dwMajorVersion);
  info.minor = static_cast<int>(version.dwMinorVersion);
}

const char* CurrentVersionKey() {
  switch (CurrentShellInfo().platformKind) {
    case kPlatformNt:
      return "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    case kPlatformWin32s:
      return nullptr;
    default:
      return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  }
}

bool SharedDllsKey(char* key, unsigned size) {
  const char* versionKey = CurrentVersionKey();
  if (!versionKey || !key || size == 0) return false;
  const int length = std::snprintf(key, size, "%s\\SharedDLLs", versionKey);
  return length > 0 && static_cast<unsigned>(length) < size;
}
