// Usage counts of files installed into the shared folders, kept under
// HKEY_LOCAL_MACHINE\<current version key>\SharedDLLs, one value per path.
#pragma once

#include <cstddef>

#include "base/shell_info.h"

class FileOperations;

// The folder VerFindFileA names for shared files.
bool SharedFolder(char* path, size_t size);
// CommonFilesDir of the current version key, else the shared folder.
bool CommonFilesFolder(FileOperations& ops, char* path, size_t size);
// True when folder is a case-insensitive prefix of path followed by a
// backslash or the end.
bool LiesInFolder(const char* path, const char* folder);

// -1 when path lies in neither shared folder, else its count (0 when none).
long SharedCount(FileOperations& ops, const char* path);
// -1 as above or when the new count cannot be written, else the new count.
long IncrementSharedCount(FileOperations& ops, const char* path);
