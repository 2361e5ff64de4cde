// The machine an end-to-end test installs Configuration Haventide on: the
// disk copied into C:\DISK1, the bench's Program Manager serving, what an
// earlier test installed taken away first; and setup driven as a user would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_program_manager.h"
#include "fileops/install_log_reader.h"
#include "test_files.h"
#include "uidriver.h"

namespace install_bench {

constexpr DWORD kFirstWindowMs = 40000;
inline constexpr char kDisk[] = "C:\\DISK1";
inline constexpr char kFolder[] = "C:\\Program Files\\Configuration Haventide";
inline constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide";
inline constexpr char kSharedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr char kProduct[] = "Configuration Haventide";
inline constexpr char kInstalledText[] =
    "Congratulations!\nConfiguration Haventide has been installed successfully";
inline constexpr char kRestartText[] =
    "Configuration Haventide has been installed successfully\nbut we need to restart\nWindows for "
    "the changes to take effect";
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

inline std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (FILE* f = fopen(path.c_str(), "rb")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
  }
  return bytes;
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string Lower(std::string text) {
  CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
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

inline std::string UninstallValue(const char* name) {
  char text[512] = {0};
  DWORD size = sizeof text;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "<no key>";
  const LONG read =
      RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? text : "<no value>";
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

class InstallE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* disk = getenv("HVT_E2E_DISK");
    ASSERT_NE(disk, nullptr) << "HVT_E2E_DISK names the test disk (scripts/test.sh builds it)";
    diskHost_ = disk;
    ResetMachine();
    CopyDisk();
    ASSERT_TRUE(progman_.Start());
  }
  void TearDown() override {
    EndUninstaller();
    progman_.Stop();
  }

  // The uninstaller setup starts on a failed installation's log runs on
  // after setup: a test that does not drive it to its end ends it here.
  static void EndUninstaller() {
    uidriver::Program uninstaller;
    if (const DWORD pid = uidriver::FindProcess("Vantrel3.exe"))
      if (uninstaller.Attach(pid)) uninstaller.Kill();
  }

  void ResetMachine() {
    const std::string windows = WindowsDir(), shared = SharedDir();
    RemoveTree(kFolder);
    for (const std::string& path :
         {windows + "\\filog.ini", windows + "\\Vantrel3.exe", windows + "\\Vantrel3.txt",
          windows + "\\COMMAND\\Restore.bat", shared + "\\Msvbvm50.dll"})
      DeleteFileA(path.c_str());
    RemoveDirectoryA((windows + "\\COMMAND").c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      for (const char* name : {"\\Msvbvm50.dll", "\\Oleaut32.dll"})
        RegDeleteValueA(key, (shared + name).c_str());
      RegCloseKey(key);
    }
  }

  void CopyDisk() {
    RemoveTree(kDisk);
    CreateDirectoryA(kDisk, nullptr);
    const std::string from = uidriver::HostPathToWindows(diskHost_);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << from;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      ASSERT_TRUE(CopyFileA((from + "\\" + found.cFileName).c_str(),
                            (std::string(kDisk) + "\\" + found.cFileName).c_str(), FALSE));
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }

  // The uncompressed file the disk was made from.
  std::string Original(const char* name) {
    return ReadFileBytes(uidriver::HostPathToWindows(diskHost_ + ".originals") + "\\" + name);
  }

  bool StartSetup() { return setup_.Start("\"C:\\DISK1\\KIVERSET.EXE\" C:\\DISK1\\", kDisk); }

  // The box titled title, with its text checked; then the button pressed.
  void Answer(const char* title, const std::string& text, const std::string& button,
              DWORD timeoutMs = kFirstWindowMs) {
    HWND box = uidriver::WaitTopWindow(setup_.Id(), title, "#32770", timeoutMs);
    ASSERT_NE(box, nullptr) << "no box titled " << title << "; the windows shown:" << Shown();
    uidriver::MessageBoxInfo info;
    ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
    EXPECT_EQ(info.text, text);
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, button));
  }

  void Welcome(const std::string& button) {
    Answer("Welcome",
           "This program will install Configuration Haventide 1.1\nonto your system\nTo continue, "
           "press Enter\n\nCopyright (C) 1997 Quillmere",
           button);
  }

  // The folder prompt, accepted with Enter after its text is checked.
  void AcceptFolder() {
    HWND prompt = uidriver::WaitTopWindow(setup_.Id(), "Enter Directory", "#32770");
    ASSERT_NE(prompt, nullptr);
    bool offered = false;
    for (const uidriver::ControlInfo& c : uidriver::Controls(prompt))
      offered = offered || c.text == kFolder;
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

  // The machine's own oleaut32.dll is newer than the disk's: the user is
  // asked, and keeps it.
  void KeepNewerOleaut32() {
    HWND question =
        uidriver::WaitTopWindow(setup_.Id(), "File Attribute Incompatible", "#32770", 30000);
    ASSERT_NE(question, nullptr) << Shown();
    bool namesTarget = false;
    for (const uidriver::ControlInfo& c : uidriver::Controls(question))
      namesTarget = namesTarget || Lower(c.text) == Lower(SharedDir() + "\\Oleaut32.dll");
    EXPECT_TRUE(namesTarget);
    ASSERT_TRUE(uidriver::AnswerMessageBox(question, "&Skip"));
  }

  // Welcome, folder, copy: up to the completion box, answered.
  void InstallThrough(const std::string& completion, const std::string& button) {
    ASSERT_TRUE(StartSetup());
    Welcome("&Install");
    AcceptFolder();
    KeepNewerOleaut32();
    Answer("Installation Completed", completion, button, 60000);
  }

  void FolderCancelled(const std::string& abort) {
    HWND prompt = uidriver::WaitTopWindow(setup_.Id(), "Enter Directory", "#32770");
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(uidriver::AnswerMessageBox(prompt, "&Cancel"));
    Answer("Query Abort", kAbortText, abort);
  }

  DWORD ExitCode() {
    DWORD code = 99;
    EXPECT_TRUE(setup_.WaitExit(60000, &code));
    return code;
  }

  std::string diskHost_;
  BenchProgramManager progman_;
  uidriver::Program setup_;
};

}  // namespace install_bench
