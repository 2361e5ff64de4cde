// The uninstaller's texts and its one message-box helper: every text comes
// from the string table (resource_ids.h), formatted printf-style.
#pragma once

#include <windows.h>

#include <string>

std::string LoadText(unsigned id, ...);
// A platform message box; answers its button (IDYES, IDNO, IDOK).
int ShowMessage(HWND owner, const std::string& caption, UINT flags, const std::string& text);
