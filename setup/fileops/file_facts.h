// What the file operations ask of a path without changing anything or
// reporting anything.
#pragma once

#include <windows.h>

// A path that is only a drive ("X:") always exists; otherwise whether the
// file system has something under that name.
bool PathExists(const char* path);

// The length of the file at path (opened for reading, sharing read and
// write); false when it cannot be opened or its size cannot be read.
bool FileLength(const char* path, DWORD& length);

// The local last-write time of path as calendar fields; openError (when
// given) receives the platform's error when the file could not be opened,
// else NO_ERROR.
bool ReadLocalWriteTime(const char* path, SYSTEMTIME& stamp, DWORD* openError);
