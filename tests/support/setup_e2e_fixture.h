// What every end-to-end test of a setup program stands on: the machine's
// folders, files, shared counts and install logs as the test reads them, the
// machine reset before a product is installed, a setup program driven as a
// user would, from a disk copied onto C:, and the uninstaller it starts.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/product_tables.h"
#include "base/registry_roots.h"
#include "file_bytes.h"
#include "install_log/install_log_reader.h"
#include "test_folder.h"
#include "uidriver.h"
#include "resource_ids.h"

namespace setup_e2e {

constexpr DWORD kFirstWindowMs = 40000;
inline constexpr char kSharedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr char kAbortText[] =
    "Installation is incomplete\nAre you sure you want to abort the installation?";

inline std::string WindowsDir() {
  char path[MAX_PATH];
  GetWindowsDirectoryA(path, MAX_PATH);
  return path;
}

// The folder the platform names for shared files, as setup asks for it.
inline std::string SharedDir() {
  char current[MAX_PATH], destination[MAX_PATH], name[] = "x.dll";
  UINT currentLength = MAX_PATH, destinationLength = MAX_PATH;
  VerFindFileA(VFFF_ISSHAREDFILE, name, nullptr, nullptr, current, &currentLength, destination,
               &destinationLength);
  return destination;
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string Lower(std::string text) {
  CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

// The names of the files in a folder, lower-case and sorted.
inline std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(Lower(found.cFileName));
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// The machine under test has a SharedDLLs key, as one with shared files
// installed has: setup then records no key of its own, and the logs the
// tests expect are those of such a machine.
inline void KeepSharedCountKey() {
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, nullptr, 0, KEY_READ, nullptr, &key,
                      nullptr) == ERROR_SUCCESS)
    RegCloseKey(key);
}

// -1 when the value is missing.
inline long SharedCount(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  DWORD count = 0, size = sizeof count, type = 0;
  const LONG read =
      RegQueryValueExA(key, path.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&count), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? static_cast<long>(count) : -1;
}

// A folder a product's rows name, on this machine; install is the
// product's own.
inline std::string FolderOf(ProductFolder folder, const std::string& install) {
  switch (folder) {
    case kInstallFolder:
      return install;
    case kWindowsFolder:
      return WindowsDir();
    case kSystemFolder:
      return SharedDir();
    case kCommandFolder:
      return WindowsDir() + "\\COMMAND";
    case kFontsFolder:
      return WindowsDir() + "\\FONTS";
    case kSourceFolder:
      break;
  }
  return std::string();
}

// The machine as before the product was ever installed, from its tables:
// its folder, the install log and the uninstaller's files, the files its
// copy rows put elsewhere but those the machine has of its own (kept), the
// version file of a row that records versions, the COMMAND folder a row
// copies into, the keys of its values (with the company key above one of
// the current user's, when nothing else is left in it) and the usage counts
// of its shared files.
inline void ResetMachine(const ProductTables& tables, const std::vector<std::string>& kept = {}) {
  const std::string install = tables.texts.defaultFolder, windows = WindowsDir();
  RemoveTree(install);
  for (const char* name : {"\\filog.ini", "\\Vantrel3.exe", "\\Vantrel3.txt"})
    DeleteFileA((windows + name).c_str());
  KeepSharedCountKey();
  HKEY counts = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_ALL_ACCESS, &counts);
  for (int i = 0; i < tables.rows.count; ++i) {
    const ProductRow& row = tables.rows.rows[i];
    if (row.kind != kRowCopy || row.targetFolder == kInstallFolder) continue;
    const std::string folder = FolderOf(row.targetFolder, install);
    const std::string path = folder + "\\" + (row.target ? row.target : row.name);
    if (std::find(kept.begin(), kept.end(), row.name) == kept.end()) DeleteFileA(path.c_str());
    if (row.policy == kPolicyRecordedVersion) DeleteFileA((folder + "\\fiver.ini").c_str());
    if (row.targetFolder == kCommandFolder) RemoveDirectoryA(folder.c_str());
    if ((row.copyFlags & kSharedFile) && counts) RegDeleteValueA(counts, path.c_str());
  }
  if (counts) RegCloseKey(counts);
  for (int i = 0; i < tables.values.count; ++i) {
    const ProductValue& value = tables.values.rows[i];
    RegDeleteKeyA(RootHandle(value.root), value.key);
    const std::string key = value.key;
    if (value.root == kRootCurrentUser && key.find('\\') != key.rfind('\\'))
      RegDeleteKeyA(HKEY_CURRENT_USER, key.substr(0, key.rfind('\\')).c_str());
  }
}

// A value's type and bytes; type REG_NONE and "<no key>" or "<no value>"
// when it cannot be read.
struct RegistryValue {
  DWORD type = REG_NONE;
  std::string bytes;
};

inline RegistryValue ReadValue(HKEY root, const char* key, const char* name) {
  RegistryValue value;
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    value.bytes = "<no key>";
    return value;
  }
  char data[4096];
  DWORD size = sizeof data;
  if (RegQueryValueExA(opened, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) ==
      ERROR_SUCCESS)
    value.bytes.assign(data, size);
  else
    value = {REG_NONE, "<no value>"};
  RegCloseKey(opened);
  return value;
}

// The names of a key's values, sorted; none when the key is missing.
inline std::vector<std::string> ValueNames(HKEY root, const char* key) {
  std::vector<std::string> names;
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
  char name[256];
  DWORD size = sizeof name;
  for (DWORD i = 0;
       RegEnumValueA(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, size = sizeof name)
    names.push_back(name);
  RegCloseKey(opened);
  std::sort(names.begin(), names.end());
  return names;
}

// A string value without its terminating zero.
inline std::string ReadText(HKEY root, const char* key, const char* name) {
  RegistryValue value = ReadValue(root, key, name);
  if (value.type == REG_SZ && !value.bytes.empty() && value.bytes.back() == '\0')
    value.bytes.pop_back();
  return value.bytes;
}

// The records of a log as "Kind text" lines (the destination of a copy).
inline std::vector<std::string> LogLines(const std::string& path, LogHeader& header) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<LogRecord> records;
  std::vector<std::string> lines;
  if (!ReadInstallLog(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), header,
                      records))
    return {"<damaged>"};
  for (const LogRecord& r : records) {
    std::string line = LogOpName(r.kind);
    for (const std::string& t : r.texts) line += " " + t;
    for (uint32_t n : r.numbers) line += " " + std::to_string(n);
    lines.push_back(Lower(line));
  }
  return lines;
}

// A box the uninstaller shows with this caption, not its progress window
// (which has the same caption and a notice line).
inline HWND WaitUninstallerBox(DWORD pid, const std::string& caption, DWORD timeoutMs = 30000) {
  HWND box = nullptr;
  uidriver::WaitUntil(
      [&] {
        for (HWND w : uidriver::TopWindows(pid))
          if (uidriver::Text(w) == caption && !uidriver::ControlById(w, kDlgNotice)) box = w;
        return box != nullptr;
      },
      timeoutMs);
  return box;
}

// The box's text checked; then the button pressed, and the box gone (so
// that a later look for a box of the same caption cannot find this one).
inline void AnswerBox(HWND box, const std::string& text, const std::string& button) {
  ASSERT_NE(box, nullptr);
  uidriver::MessageBoxInfo info;
  ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
  EXPECT_EQ(info.text, text);
  ASSERT_TRUE(uidriver::AnswerMessageBox(box, button));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

// The uninstaller setup or the platform started, taken on once it runs.
inline bool AttachUninstaller(uidriver::Program& uninstaller) {
  DWORD pid = 0;
  return uidriver::WaitUntil([&] { return (pid = uidriver::FindProcess("Vantrel3.exe")) != 0; },
                             20000) &&
         uninstaller.Attach(pid);
}

// The uninstaller's closing box with this caption: its text checked, OK
// pressed; then the uninstaller's exit, with code 0.
inline void ExpectUninstallerClosed(uidriver::Program& uninstaller, const std::string& caption,
                                    const std::string& text) {
  AnswerBox(WaitUninstallerBox(uninstaller.Id(), caption), text, "OK");
  DWORD code = 99;
  EXPECT_TRUE(uninstaller.WaitExit(20000, &code));
  EXPECT_EQ(code, 0u);
}

class SetupE2E : public ::testing::Test {
 protected:
  // The uninstaller setup starts on a failed installation's log runs on
  // after setup: a test that does not drive it to its end ends it here.
  static void EndUninstaller() {
    uidriver::Program uninstaller;
    if (const DWORD pid = uidriver::FindProcess("Vantrel3.exe"))
      if (uninstaller.Attach(pid)) uninstaller.Kill();
  }

  // The test disk (HVT_E2E_DISK, or the folder named sibling beside it)
  // copied into the folder disk.
  void CopyTestDisk(const char* disk, const char* sibling = nullptr) {
    const char* host = getenv("HVT_E2E_DISK");
    ASSERT_NE(host, nullptr) << "HVT_E2E_DISK names the test disk (scripts/test.sh builds it)";
    diskHost_ = host;
    if (sibling) diskHost_ = diskHost_.substr(0, diskHost_.find_last_of('/') + 1) + sibling;
    CopyDisk(diskHost_, disk);
  }

  // The disk's files (a folder of the host) copied into the folder disk.
  static void CopyDisk(const std::string& host, const char* disk) {
    RemoveTree(disk);
    CreateDirectoryA(disk, nullptr);
    const std::string from = uidriver::HostPathToWindows(host);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << from;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      ASSERT_TRUE(CopyFileA((from + "\\" + found.cFileName).c_str(),
                            (std::string(disk) + "\\" + found.cFileName).c_str(), FALSE));
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }

  // The box titled title, with its text checked; then the button pressed.
  void Answer(const char* title, const std::string& text, const std::string& button,
              DWORD timeoutMs = kFirstWindowMs) {
    HWND box = uidriver::WaitTopWindow(setup_.Id(), title, "#32770", timeoutMs);
    ASSERT_NE(box, nullptr) << "no box titled " << title << "; the windows shown:" << Shown();
    AnswerBox(box, text, button);
  }

  // The folder prompt, accepted with Enter after its offer is checked.
  void AcceptFolder(const std::string& folder) {
    HWND prompt = uidriver::WaitTopWindow(setup_.Id(), "Enter Directory", "#32770");
    ASSERT_NE(prompt, nullptr) << Shown();
    bool offered = false;
    for (const uidriver::ControlInfo& c : uidriver::Controls(prompt))
      offered = offered || c.text == folder;
    EXPECT_TRUE(offered) << "the default folder is not offered";
    ASSERT_TRUE(uidriver::PressKey(prompt, VK_RETURN));
  }

  // The captions and texts of setup's windows, for a failure's message.
  std::string Shown() {
    std::string shown;
    for (HWND window : uidriver::TopWindows(setup_.Id())) {
      shown += "\n  \"" + uidriver::Text(window) + "\" (" + uidriver::ClassOf(window) + ")";
      for (const uidriver::ControlInfo& c : uidriver::Controls(window))
        if (!c.text.empty()) shown += " [" + c.text + "]";
    }
    return shown;
  }

  DWORD ExitCode() {
    DWORD code = 99;
    EXPECT_TRUE(setup_.WaitExit(60000, &code));
    return code;
  }

  // The uncompressed file the disk was made from.
  std::string Original(const char* name) {
    return ReadFileBytes(uidriver::HostPathToWindows(diskHost_ + ".originals") + "\\" + name);
  }

  std::string diskHost_;  // the disk's folder on the host
  uidriver::Program setup_;
};

}  // namespace setup_e2e
