#include "commands/help.h"

#include <string>
#include <vector>

#include "commands/tools.h"
#include "runtime/application.h"
#include "runtime/file_system.h"
#include "runtime/form.h"

namespace kelvane {

namespace {

HWND g_helpWindow;
std::string g_helpFile;

}  // namespace

void InitHelp(HWND mainWindow) {
  g_helpWindow = mainWindow;
  std::string folder = app::ProgramFolder();
  g_helpFile = folder + (!folder.empty() && folder.back() == '\\' ? "" : "\\") + "KELVANE.HLP";
}

const std::string& HelpFilePath() { return g_helpFile; }

void mnuContents_Click() {
  // F1 can arrive while startup still processes events, before help is
  // bound to the main window.
  if (g_helpFile.empty() && app::MainForm()) InitHelp(app::MainForm()->Handle());
  WinHelpA(g_helpWindow, g_helpFile.c_str(), HELP_CONTENTS, 0);
}

void CloseHelp() {
  if (!g_helpFile.empty()) WinHelpA(g_helpWindow, g_helpFile.c_str(), HELP_QUIT, 0);
}

bool GetKeyValue(HKEY keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal) {
  HKEY key = nullptr;
  // Read rights and every right on values and subkeys short of deletion.
  const REGSAM access = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_SET_VALUE |
                        KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;
  if (RegOpenKeyExA(keyRoot, keyName.c_str(), 0, access, &key) == ERROR_SUCCESS) {
    std::vector<char> buffer(1024, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(key, subKeyRef.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
      // A stored terminating NUL is not part of the text.
      std::string data(buffer.data(), size);
      if (size > 0 && buffer[size - 1] == '\0') data.resize(size - 1);
      if (type == REG_SZ) {
        keyVal = data;
      } else if (type == REG_DWORD && size >= 4) {
        DWORD number;
        memcpy(&number, buffer.data(), sizeof number);
        keyVal = std::to_string(static_cast<unsigned long>(number));
      }
      RegCloseKey(key);
      return true;
    }
  }
  keyVal.clear();
  RegCloseKey(key);
  return false;
}

void StartSysInfo() {
  std::string value;
  bool started = false;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value)) {
    started = StartProgram(value);
  } else if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                         value)) {
    std::string program = value + "\\MSINFO32.EXE";
    started = ExistsPlain(program) && StartProgram(program);
  }
  if (started) return;
  app::MsgBox("System Information Is Unavailable At This Time", MB_OK);
}

}  // namespace kelvane
