// Folders of the Win32 tests' own under the temporary folder.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// A folder named prefix and the process id under the temporary folder,
// created if missing; empty when it cannot be made.
inline std::string MakeTestFolder(const char* prefix) {
  char temp[MAX_PATH];
  if (GetTempPathA(MAX_PATH, temp) == 0) return std::string();
  char name[MAX_PATH];
  std::snprintf(name, sizeof name, "%s%s%lu", temp, prefix,
                static_cast<unsigned long>(GetCurrentProcessId()));
  if (!CreateDirectoryA(name, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return std::string();
  return name;
}

// Deletes the files of folder (not its subfolders) and the folder, if empty.
inline void RemoveTestFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}
