// Test support: the protected files on the Wine prefix's C: drive, the
// backup and undo folders, file contents and attribute words.
#pragma once

#include <windows.h>

#include <string>

namespace kelvane_test {

std::string WindowsFolder();
std::string BackupDir();
std::string UndoDir();
// Live path of a protected file by name ("IO.SYS").
std::string LivePath(const std::string& name);

void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);  // "<missing>" when absent
bool Exists(const std::string& path);
DWORD Attributes(const std::string& path);
void SetAttributes(const std::string& path, DWORD attributes);
void RemoveFile(const std::string& path);

// Writes all eight live files with recognisable contents ("live AUTOEXEC.BAT"),
// IO.SYS and MSDOS.SYS locked (39), and removes the backup folder.
void PrepareBootDrive();
void RemoveBackupFolder();
// Fills the backup (or undo) folder with copies whose text is "<tag> NAME".
void MakeCopies(const std::string& folder, const char* const* names, int count,
                const std::string& tag);

}  // namespace kelvane_test
