// The platform and shell the setup engine runs on, filled once at start;
// read by the file operations (the Win32s rule) and the dialogs (the look).
#pragma once

enum PlatformKind { kPlatformNt = 0, kPlatformWindows = 1, kPlatformWin32s = 2 };

struct ShellInfo {
  int platformKind = kPlatformWindows;
  int major = 0;
  int minor = 0;
  bool newLook = false;   // dialogs get the 3-D look
  bool newShell = false;  // the shell is not Program Manager
};

// The process's record. Tests may change it.
ShellInfo& CurrentShellInfo();
// Sets the platform kind and version numbers from the running platform.
void DetectPlatform(ShellInfo& info);

// "SOFTWARE\Microsoft\Windows\CurrentVersion" (or the NT one) for the
// platform of CurrentShellInfo(); null on Win32s.
const char* CurrentVersionKey();
// "<current version key>\SharedDLLs", where the usage counts of shared files
// are kept (one value per path); false on Win32s, which has none, or when
// it does not fit.
bool SharedDllsKey(char* key, unsigned size);
