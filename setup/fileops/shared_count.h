// Usage counts of files installed into the shared folders, kept under
// HKEY_LOCAL_MACHINE\<current version key>\SharedDLLs, one value per path.
#pragma once

#include <cstddef>

#include "base/shell_info.h"

class RegistryOperations;

// The folder VerFindFileA names for shared files.
bool SharedFolder(char* path, size_t size);
// CommonFilesDir of the current version key, else the shared folder.
bool CommonFilesFolder(RegistryOperations& registry, char* path, size_t size);
// True when folder is a case-insensitive prefix of path followed by a
// backslash or the end.
bool LiesInFolder(const char* path, const char* folder);

// -1 when path lies in neither shared folder, else its count (0 when none).
long SharedCount(RegistryOperations& registry, const char* path);
// -1 as above or when the new count cannot be written, else the new count.
long IncrementSharedCount(RegistryOperations& registry, const char* path);
// Before a file that will be counted is copied: the SharedDLLs key made,
// and recorded, when the machine has none, so that taking the installation
// back removes it after the last count goes. True also when there is
// nothing to make.
bool MakeSharedCountKey(RegistryOperations& registry, const char* path);
// The count an installation gives the file it copied (or kept) at path:
// one more, but a file that was there before with no count starts at 2, so
// that taking this installation back leaves it at 1 and never offers to
// delete what the machine already had.
long CountInstalledFile(RegistryOperations& registry, const char* path, bool existedBefore);
