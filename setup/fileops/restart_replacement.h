// Replacing a file that is in use at the next restart: MoveFileExA with
// replace-existing and delay-until-reboot where the platform has it (the
// NT family), else a [rename] entry of wininit.ini (Windows 95, where
// MoveFileExA fails).
#pragma once

#include <windows.h>

// The platform calls the replacement makes; tests put their own in to reach
// the wininit.ini entry on a system where MoveFileExA works.
struct RestartRenameCalls {
  BOOL(WINAPI* moveFileEx)(LPCSTR from, LPCSTR to, DWORD flags);
  BOOL(WINAPI* writeProfileString)(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);
};
RestartRenameCalls& RestartRenames();

constexpr DWORD kReplaceAtRestartFlags =
    MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT;  // 5
constexpr char kWininitFile[] = "wininit.ini";
constexpr char kWininitSection[] = "rename";

// Arranges for temporary to replace destination at the next restart (the
// paths are passed exactly as given). False when neither way took it.
bool ReplaceAtRestart(const char* temporary, const char* destination);
