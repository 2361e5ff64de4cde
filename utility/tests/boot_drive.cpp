#include "boot_drive.h"

#include <vector>

#include "test_folder.h"

namespace kelvane_test {

namespace {

const char* const kNames[] = {"AUTOEXEC.BAT", "CONFIG.SYS", "SYSTEM.INI", "WIN.INI",
                              "COMMAND.COM",  "IO.SYS",     "MSDOS.SYS",  "WIN.COM"};

bool InBootRoot(const std::string& name) {
  return name != "SYSTEM.INI" && name != "WIN.INI" && name != "WIN.COM";
}

}  // namespace

std::string WindowsFolder() {
  char buffer[MAX_PATH] = {0};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return buffer;
}

std::string BackupDir() { return WindowsFolder() + "\\BACKUP.HVT"; }
std::string UndoDir() { return BackupDir() + "\\UNDO"; }

std::string LivePath(const std::string& name) {
  return (InBootRoot(name) ? std::string("C:") : WindowsFolder()) + "\\" + name;
}

void WriteText(const std::string& path, const std::string& text) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::vector<char> buffer(65536);
  DWORD read = 0;
  ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
  CloseHandle(file);
  return std::string(buffer.data(), read);
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

void SetAttributes(const std::string& path, DWORD attributes) {
  SetFileAttributesA(path.c_str(), attributes);
}

void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

void RemoveBackupFolder() {
  SetFileAttributesA(BackupDir().c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveTree(BackupDir());
}

void PrepareBootDrive() {
  RemoveBackupFolder();
  for (const char* name : kNames) WriteText(LivePath(name), std::string("live ") + name);
  SetAttributes(LivePath("IO.SYS"), 39);
  SetAttributes(LivePath("MSDOS.SYS"), 39);
}

void MakeCopies(const std::string& folder, const char* const* names, int count,
                const std::string& tag) {
  CreateDirectoryA(BackupDir().c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) WriteText(folder + "\\" + names[i], tag + " " + names[i]);
}

}  // namespace kelvane_test
