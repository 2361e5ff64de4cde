// The platform and shell the setup engine runs on (ShellInfo), and the early
// contact with Program Manager on a Windows 95 of version 3.95.
#pragma once

#include "base/registry_text.h"
#include "base/shell_info.h"

// The record for a platform of kind, major and minor. winLogonShell: on
// Windows NT the shell WinLogon names (null when it could not be read).
ShellInfo ShellFromPlatform(int kind, int major, int minor, const char* winLogonShell);

// Fills info from the running platform; on Windows NT it reads the shell
// WinLogon names through registry.
void DetectShell(ShellInfo& info, RegistryText& registry);

// Version 3.95 (a Windows 95 that says so): a client-only DDE instance
// connects to Program Manager and lets go at once. Nothing is reported.
void EarlyProgramManagerContact(const ShellInfo& info);
