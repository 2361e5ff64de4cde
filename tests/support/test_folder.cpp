#include "test_folder.h"

#include <windows.h>

std::string TempFolder() {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  return length == 0 || length >= MAX_PATH ? std::string() : std::string(temp, length);
}

std::string MakeTestFolder(const char* prefix) {
  const std::string temp = TempFolder();
  if (temp.empty()) return std::string();
  const std::string name = temp + prefix + std::to_string(GetCurrentProcessId());
  if (!CreateDirectoryA(name.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return std::string();
  return name;
}

void RemoveTree(const std::string& folder) {
  if (folder.empty()) return;  // a fixture whose folder was never made
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}
