// Starting the Windows tools, restarting the computer and the maker's web
// page.
#pragma once

#include <string>

namespace kelvane {

enum class Tool { Notepad, SysEdit, RegEdit, ScanDisk };

// Starts the tool from its fixed place under the Windows folder, or shows
// its "not found" message.
void StartTool(Tool tool);
// Starts a program with a normal, focused window without waiting for it.
bool StartProgram(const std::string& path);

void cmdRestart_Click();
void mnuQuillmereWebSite_Click();

// The maker's web page.
extern const char kMakerWebSite[];

}  // namespace kelvane
