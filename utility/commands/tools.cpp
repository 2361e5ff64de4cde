#include "commands/tools.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

const char kMakerWebSite[] = "http://www.quillmere.example/";

namespace {

struct ToolEntry {
  const char* relativePath;
  const char* missingMessage;
};

const ToolEntry kTools[] = {
    {"\\NOTEPAD.EXE",
     "Notepad not found at its default location in the main Windows folder. To run Notepad you "
     "need to reinstall "
     "it or to copy it to the main Windows folder."},
    {"\\SYSTEM\\SYSEDIT.EXE",
     "System Configuration Editor not found at its default location in the System subfolder of the "
     "main Windows "
     "folder. To run System Configuration Editor you need to reinstall it or to copy it to its "
     "default location."},
    {"\\REGEDIT.EXE",
     "Registry Editor not found at its default location in the main Windows folder. To run "
     "Registry Editor you need "
     "to reinstall it or to copy it to the main Windows folder."},
    {"\\SCANDSKW.EXE",
     "ScanDisk not found at its default location in the main Windows folder. To run ScanDisk you "
     "need to reinstall "
     "it or to copy it to the main Windows folder."},
};

}  // namespace

bool StartProgram(const std::string& path) {
  // Quoted, so that a path with spaces (C:\Program Files\...) names one
  // program and nothing else.
  std::string quoted = "\"" + path + "\"";
  std::vector<char> commandLine(quoted.begin(), quoted.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void StartTool(Tool tool) {
  const ToolEntry& entry = kTools[static_cast<int>(tool)];
  std::string path = WinDir() + entry.relativePath;
  if (ExistsAny(path)) {
    StartProgram(path);
    return;
  }
  app::MsgBox(entry.missingMessage, MB_OK | MB_ICONEXCLAMATION, "File Not Found");
}

void cmdRestart_Click() {
  int answer = app::MsgBox(
      "Do you really want to restart the PC now? If you choose Yes the computer will immediately "
      "go into restart. "
      "There is no way back from this operation. You should have all your work saved before "
      "proceeding.",
      308, "Restart PC Query");
  if (answer == IDNO) return;
  app::SetPointer(app::Pointer::Hourglass);
  ExitWindowsEx(67, 0);
}

void mnuQuillmereWebSite_Click() {
  int answer = app::MsgBox(
      "To connect to Quillmere Web Site you you need to have a modem and active Internet "
      "subscription through your "
      "Internet Service Provider. The program will establish connection and load your default Web "
      "browser "
      "automatically. Do you wish to continue?",
      36, "Web Site Connect Query");
  if (answer == IDNO) return;
  ShellExecuteA(nullptr, nullptr, kMakerWebSite, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace kelvane
