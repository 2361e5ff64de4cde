// A registry key of the test's own under HKEY_CURRENT_USER\Software, made
// empty at the start and removed with everything below it at the end.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// Deletes key and its subkeys (RegDeleteKeyA leaves a key with subkeys on NT).
inline void DeleteKeyTree(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | KEY_WRITE, &opened) == ERROR_SUCCESS) {
    char child[256];
    while (RegEnumKeyA(opened, 0, child, sizeof child) == ERROR_SUCCESS)
      DeleteKeyTree(root, key + "\\" + child);
    RegCloseKey(opened);
  }
  RegDeleteKeyA(root, key.c_str());
}

class TestKey {
 public:
  // Software\HaventideTest<tag><pid>; made at once when create is true.
  explicit TestKey(const char* tag, bool create = true) {
    char name[96];
    std::snprintf(name, sizeof name, "Software\\HaventideTest%s%lu", tag,
                  static_cast<unsigned long>(GetCurrentProcessId()));
    path_ = name;
    DeleteKeyTree(HKEY_CURRENT_USER, path_);
    if (create) {
      HKEY made = nullptr;
      if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          &made, nullptr) == ERROR_SUCCESS)
        RegCloseKey(made);
    }
  }
  ~TestKey() { DeleteKeyTree(HKEY_CURRENT_USER, path_); }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;

  const std::string& Path() const { return path_; }
  std::string Sub(const char* relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

// True when the key exists, asked of the registry directly.
inline bool RawKeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// Writes a value directly, bypassing the operations under test.
inline bool RawSetValue(HKEY root, const std::string& key, const char* name, DWORD type,
                        const void* data, DWORD size) {
  HKEY made = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &made, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const bool set =
      RegSetValueExA(made, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
  RegCloseKey(made);
  return set;
}
