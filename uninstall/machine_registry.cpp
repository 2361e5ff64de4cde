// The registry of the real machine: values and keys an installation made or
// changed, and the usage counts of shared files.
#include <windows.h>

#include "base/registry_roots.h"
#include "base/shell_info.h"
#include "win32_machine.h"

namespace {

bool KnownRoot(int root) { return root >= kRootClasses && root <= kRootUsers; }

Change Opened(LONG result) {
  return result == ERROR_FILE_NOT_FOUND ? Change::kAbsent : Change::kFailed;
}

// Opens key, making it (and its parents) when missing.
bool CreateKey(int root, const std::string& key, REGSAM access, HKEY& opened) {
  DWORD disposition = 0;
  char emptyClass[] = "";
  return RegCreateKeyExA(RootHandle(root), key.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                         access, nullptr, &opened, &disposition) == ERROR_SUCCESS;
}

// The usage counts' key, open with access; false when there is none.
bool OpenShared(REGSAM access, HKEY& key) {
  char path[MAX_PATH];
  return SharedDllsKey(path, sizeof path) &&
         RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &key) == ERROR_SUCCESS;
}

}  // namespace

// A count is four bytes, REG_BINARY (as setup makes it) or REG_DWORD; a
// value of any other form counts nothing, and its file stays.
bool Win32Machine::ReadSharedUse(const std::string& path, SharedUse& use) {
  HKEY key;
  if (!OpenShared(KEY_QUERY_VALUE, key)) return false;
  BYTE data[8] = {};
  DWORD type = 0, size = sizeof data;
  const LONG read = RegQueryValueExA(key, path.c_str(), nullptr, &type, data, &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || size != 4 || (type != REG_BINARY && type != REG_DWORD)) return false;
  use.count = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
              static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
  use.type = type;
  return true;
}

Change Win32Machine::WriteSharedUse(const std::string& path, const SharedUse& use) {
  HKEY key;
  if (!OpenShared(KEY_SET_VALUE, key)) return Change::kFailed;
  const BYTE data[4] = {static_cast<BYTE>(use.count), static_cast<BYTE>(use.count >> 8),
                        static_cast<BYTE>(use.count >> 16), static_cast<BYTE>(use.count >> 24)};
  const LONG written = RegSetValueExA(key, path.c_str(), 0, use.type, data, sizeof data);
  RegCloseKey(key);
  return written == ERROR_SUCCESS ? Change::kDone : Change::kFailed;
}

Change Win32Machine::DeleteSharedUse(const std::string& path) {
  HKEY key;
  if (!OpenShared(KEY_SET_VALUE, key)) return Change::kAbsent;
  const LONG deleted = RegDeleteValueA(key, path.c_str());
  RegCloseKey(key);
  return deleted == ERROR_SUCCESS ? Change::kDone : Opened(deleted);
}

Change Win32Machine::DeleteValue(int root, const std::string& key, const std::string& name) {
  if (!KnownRoot(root)) return Change::kFailed;
  HKEY opened;
  const LONG open = RegOpenKeyExA(RootHandle(root), key.c_str(), 0, KEY_SET_VALUE, &opened);
  if (open != ERROR_SUCCESS) return Opened(open);
  const LONG deleted = RegDeleteValueA(opened, name.c_str());
  RegCloseKey(opened);
  return deleted == ERROR_SUCCESS ? Change::kDone : Opened(deleted);
}

Change Win32Machine::WriteValue(int root, const std::string& key, const std::string& name,
                                uint32_t type, const std::vector<uint8_t>& data) {
  if (!KnownRoot(root)) return Change::kFailed;
  HKEY opened;
  if (!CreateKey(root, key, KEY_SET_VALUE, opened)) return Change::kFailed;
  const LONG written =
      RegSetValueExA(opened, name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                     static_cast<DWORD>(data.size()));
  RegCloseKey(opened);
  return written == ERROR_SUCCESS ? Change::kDone : Change::kFailed;
}

// Windows 95 deletes a key with all beneath it: only an empty one goes.
Change Win32Machine::DeleteKey(int root, const std::string& key) {
  if (!KnownRoot(root) || key.empty()) return Change::kFailed;
  HKEY opened;
  const LONG open = RegOpenKeyExA(RootHandle(root), key.c_str(), 0, KEY_READ, &opened);
  if (open != ERROR_SUCCESS) return Opened(open);
  DWORD keys = 0, values = 0;
  const LONG queried = RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &keys, nullptr, nullptr,
                                        &values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(opened);
  if (queried != ERROR_SUCCESS) return Change::kFailed;
  if (keys != 0 || values != 0) return Change::kKept;
  return RegDeleteKeyA(RootHandle(root), key.c_str()) == ERROR_SUCCESS ? Change::kDone
                                                                       : Change::kFailed;
}

Change Win32Machine::MakeKey(int root, const std::string& key) {
  if (!KnownRoot(root)) return Change::kFailed;
  HKEY made;
  if (!CreateKey(root, key, KEY_READ, made)) return Change::kFailed;
  RegCloseKey(made);
  return Change::kDone;
}
