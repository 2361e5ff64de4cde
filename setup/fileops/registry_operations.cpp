// Registry keys and values. Every key or value made or changed is recorded
// with what the uninstaller needs to take it back: a created key, a new
// value, or the former type, size and data of a changed one.
//
// On Win32s only HKEY_CLASSES_ROOT exists: every operation on another root
// does nothing and succeeds there, and a read yields an empty string.
#include "fileops/registry_operations.h"

#include "fileops/operation_context.h"

#include "base/setup_string.h"
#include "resources/string_ids.h"
#include "base/registry_roots.h"
#include "base/shell_info.h"
#include "fileops/quiet_guard.h"

#include <cstring>
#include <new>

namespace {

bool KnownRoot(int root) { return root >= kRootClasses && root <= kRootUsers; }

bool NothingToDo(int root) {
  return CurrentShellInfo().platformKind == kPlatformWin32s && root != kRootClasses;
}

const char* ValueName(const char* name) { return name ? name : ""; }

// The key is named with its root, "HKEY_CURRENT_USER\Software\...".
void ReportCannotOpen(OperationContext& context, int root, const char* key) {
  SetupString where;
  if (where.Format("%s\\%s", RootName(root), key))
    context.Report(kFileOpGeneral, kStrOpenKey, where.Text());
  else
    context.ReportOutOfMemory();
}

}  // namespace

bool RegistryOperations::KeyExists(int root, const char* key) {
  if (NothingToDo(root)) return true;
  if (!KnownRoot(root) || !key) return false;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootHandle(root), key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool RegistryOperations::CreateKey(int root, const char* key) {
  if (context_.RecordsLost()) return false;
  if (NothingToDo(root)) return true;
  if (!key) key = "";
  if (KeyExists(root, key)) return true;
  // A key path is held like a file path; a longer one is refused before
  // anything is made.
  const size_t length = std::strlen(key);
  if (!KnownRoot(root) || length > static_cast<size_t>(PathBuffer::kMaxLength)) {
    context_.Report(kFileOpGeneral, kStrCreateKey, key);
    return false;
  }
  // Parents first, each recorded before its children.
  const char* slash = std::strrchr(key, '\\');
  if (slash && slash != key) {
    char parent[PathBuffer::kCapacity];
    std::memcpy(parent, key, static_cast<size_t>(slash - key));
    parent[slash - key] = '\0';
    if (!CreateKey(root, parent)) return false;
  }
  char emptyClass[] = "";
  HKEY created = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(RootHandle(root), key, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_READ,
                      nullptr, &created, &disposition) != ERROR_SUCCESS) {
    context_.Report(kFileOpGeneral, kStrCreateKey, key);
    return false;
  }
  RegCloseKey(created);
  context_.Recorder().RegKeyCreated(root, key);
  return !context_.RecordsLost();
}

bool RegistryOperations::SetValue(int root, const char* key, const char* name, DWORD type,
                                  DWORD size, const void* data) {
  if (context_.RecordsLost()) return false;
  if (NothingToDo(root)) return true;
  if (!key) key = "";
  name = ValueName(name);
  if (!KnownRoot(root)) {
    // No key of an unknown root can be opened, let alone made.
    ReportCannotOpen(context_, root, key);
    return false;
  }
  DWORD formerType = 0, formerSize = 0;
  unsigned char* former = nullptr;
  if (KeyExists(root, key)) {
    // A former value that cannot be read for lack of memory must not pass
    // for a new one.
    QuietGuard step(context_, context_.Quiet());
    context_.SetErrorCode(kFileOpOk);
    former = ReadValue(root, key, name, formerType, formerSize);
    if (!former && context_.LastError() == kFileOpOutOfMemory) {
      step.KeepErrorCode();
      return false;
    }
  } else if (!CreateKey(root, key)) {
    return false;
  }
  bool done = false;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootHandle(root), key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
    ReportCannotOpen(context_, root, key);
  } else {
    done = RegSetValueExA(opened, name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
    RegCloseKey(opened);
    if (!done) context_.Report(kFileOpGeneral, kStrSetOrCreateKey, key);
  }
  if (done) {
    if (former)
      context_.Recorder().RegValueChanged(root, key, name, formerType, formerSize, former);
    else
      context_.Recorder().RegValueCreated(root, key, name);
    done = !context_.RecordsLost();
  }
  delete[] former;
  return done;
}

unsigned char* RegistryOperations::ReadValue(int root, const char* key, const char* name,
                                             DWORD& type, DWORD& size) {
  type = 0;
  size = 0;
  if (NothingToDo(root)) {
    unsigned char* empty = new (std::nothrow) unsigned char[1];
    if (!empty) {
      context_.ReportOutOfMemory();
      return nullptr;
    }
    empty[0] = '\0';
    type = REG_SZ;
    size = 1;
    return empty;
  }
  if (!KnownRoot(root) || !key) return nullptr;
  name = ValueName(name);
  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootHandle(root), key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return nullptr;
  unsigned char* data = nullptr;
  DWORD valueType = 0, valueSize = 0;
  if (RegQueryValueExA(opened, name, nullptr, &valueType, nullptr, &valueSize) == ERROR_SUCCESS) {
    // One byte at least, so that an empty value still comes back as data.
    data = new (std::nothrow) unsigned char[valueSize ? valueSize : 1];
    if (!data) {
      context_.ReportOutOfMemory();
    } else {
      DWORD read = valueSize;
      if (RegQueryValueExA(opened, name, nullptr, &valueType, data, &read) == ERROR_SUCCESS &&
          read <= valueSize) {
        type = valueType;
        size = read;
      } else {
        delete[] data;
        data = nullptr;
      }
    }
  }
  RegCloseKey(opened);
  return data;
}

bool RegistryOperations::ReadString(int root, const char* key, const char* name, char* text,
                                    int textSize) {
  if (!text || textSize <= 0) return false;
  text[0] = '\0';
  DWORD type = 0, size = 0;
  unsigned char* data = ReadValue(root, key, name, type, size);
  if (!data) return false;
  const bool isString = type == REG_SZ;
  if (isString) {
    // The stored text need not end with its NUL; it is cut to fit.
    DWORD length = 0;
    while (length < size && data[length] != '\0') ++length;
    if (length > static_cast<DWORD>(textSize - 1)) length = static_cast<DWORD>(textSize - 1);
    std::memcpy(text, data, length);
    text[length] = '\0';
  }
  delete[] data;
  return isString;
}
