// The utility's help file and the About window's system information.
#pragma once

#include <windows.h>

#include <string>

namespace kelvane {

// Remembers the main window and sets the help file path: the program's
// folder + "\KELVANE.HLP".
void InitHelp(HWND mainWindow);
const std::string& HelpFilePath();
void mnuContents_Click();
void CloseHelp();

// Reads one registry value as text. The text of a value stored with its
// terminating NUL comes back without it; a number is given in decimal.
bool GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal);
void StartSysInfo();

}  // namespace kelvane
