#include "base/shell_info.h"

#include <windows.h>

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
