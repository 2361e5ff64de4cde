// Usage counts of shared files. A file installed into the shared folder or
// the Common Files folder has a value named by its full path under
// HKEY_LOCAL_MACHINE\<current version key>\SharedDLLs holding how many
// installations use it; the uninstaller lowers it again.
#include "fileops/shared_count.h"

#include "base/path_buffer.h"
#include "fileops/registry_operations.h"
#include "base/shell_info.h"
#include "base/registry_roots.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Copies a folder path, without a closing backslash unless it is a drive's
// root; false when it is empty or does not fit.
bool PutFolder(const char* folder, char* path, size_t size) {
  size_t length = std::strlen(folder);
  if (length > 3 && folder[length - 1] == '\\') --length;
  if (length == 0 || length + 1 > size) return false;
  std::memcpy(path, folder, length);
  path[length] = '\0';
  return true;
}

bool InSharedFolders(RegistryOperations& registry, const char* path) {
  char folder[PathBuffer::kCapacity];
  if (SharedFolder(folder, sizeof folder) && LiesInFolder(path, folder)) return true;
  return CommonFilesFolder(registry, folder, sizeof folder) && LiesInFolder(path, folder);
}

// The count and the type it is stored with (0 when there is no value).
long ReadCount(RegistryOperations& registry, const char* path, DWORD& storedType) {
  storedType = 0;
  if (!path || !InSharedFolders(registry, path)) return -1;
  char key[PathBuffer::kCapacity];
  if (!SharedDllsKey(key, sizeof key)) return 0;
  DWORD type = 0, size = 0;
  unsigned char* data = registry.ReadValue(kRootLocalMachine, key, path, type, size);
  if (!data) return 0;
  long count = 0;
  // A REG_DWORD shorter than four bytes holds no count.
  if ((type == REG_BINARY && size == 4) || (type == REG_DWORD && size >= 4)) {
    int32_t stored = 0;
    std::memcpy(&stored, data, sizeof stored);
    count = stored;
    storedType = type;
  }
  delete[] data;
  return count;
}

}  // namespace

bool SharedFolder(char* path, size_t size) {
  if (!path || size == 0) return false;
  path[0] = '\0';
  char windows[MAX_PATH], appDirectory[] = "c:\\", name[] = "98Lx28.$$$";
  const UINT windowsLength = GetWindowsDirectoryA(windows, sizeof windows);
  if (windowsLength == 0 || windowsLength >= sizeof windows) return false;
  char current[MAX_PATH] = "", destination[MAX_PATH] = "";
  UINT currentLength = sizeof current, destinationLength = sizeof destination;
  const DWORD found = VerFindFileA(VFFF_ISSHAREDFILE, name, windows, appDirectory, current,
                                   &currentLength, destination, &destinationLength);
  if (found & VFF_BUFFTOOSMALL) return false;
  return PutFolder(destination, path, size);
}

bool CommonFilesFolder(RegistryOperations& registry, char* path, size_t size) {
  if (!path || size == 0) return false;
  path[0] = '\0';
  if (const char* versionKey = CurrentVersionKey()) {
    DWORD type = 0, length = 0;
    unsigned char* data =
        registry.ReadValue(kRootLocalMachine, versionKey, "CommonFilesDir", type, length);
    // A folder that would not fit is not cut: the shared folder stands in.
    bool taken = false;
    if (data && type == REG_SZ) {
      char folder[PathBuffer::kCapacity];
      DWORD n = 0;
      while (n < length && data[n] != '\0') ++n;
      if (n < sizeof folder) {
        std::memcpy(folder, data, n);
        folder[n] = '\0';
        taken = PutFolder(folder, path, size);
      }
    }
    delete[] data;
    if (taken) return true;
  }
  return SharedFolder(path, size);
}

long SharedCount(RegistryOperations& registry, const char* path) {
  DWORD type = 0;
  return ReadCount(registry, path, type);
}

long IncrementSharedCount(RegistryOperations& registry, const char* path) {
  DWORD type = 0;
  const long count = ReadCount(registry, path, type);
  if (count == -1) return -1;
  const int32_t raised = static_cast<int32_t>(static_cast<uint32_t>(count) + 1u);
  char key[PathBuffer::kCapacity];
  // Win32s keeps no counts: the write there would do nothing and succeed.
  if (!SharedDllsKey(key, sizeof key)) return raised;
  const DWORD newType = type == REG_DWORD ? REG_DWORD : REG_BINARY;
  if (!registry.SetValue(kRootLocalMachine, key, path, newType, sizeof raised, &raised)) return -1;
  return raised;
}

bool MakeSharedCountKey(RegistryOperations& registry, const char* path) {
  char key[PathBuffer::kCapacity];
  if (!path || !InSharedFolders(registry, path) || !SharedDllsKey(key, sizeof key)) return true;
  return registry.CreateKey(kRootLocalMachine, key);
}

long CountInstalledFile(RegistryOperations& registry, const char* path, bool existedBefore) {
  if (existedBefore && SharedCount(registry, path) == 0 &&
      IncrementSharedCount(registry, path) == -1)
    return -1;
  return IncrementSharedCount(registry, path);
}
