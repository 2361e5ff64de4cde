#include "shell/progman_replies.h"
#include "shell/shell_detection.h"

ShellInfo ShellFromPlatform(int kind, int major, int minor, const char* winLogonShell) {
  ShellInfo info;
  info.platformKind = kind;
  info.major = major;
  info.minor = minor;
  switch (kind) {
    case kPlatformWin32s:
      info.newLook = false;
      info.newShell = false;
      break;
    case kPlatformNt:
      // The two tests are separate: NT 4.0 (minor 0) gets no new look.
      info.newLook = major >= 3 && minor >= 51;
      info.newShell = winLogonShell && !SameName(winLogonShell, "progman.exe");
      break;
    default:
      info.newLook = true;
      info.newShell = true;
      break;
  }
  return info;
}
