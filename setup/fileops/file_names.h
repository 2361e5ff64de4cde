// Names the copy engine builds next to files (platform files are only tested
// for existence).
#pragma once

#include "base/path_buffer.h"

// The first free of path's name with the extensions bak, 000 ... 999; false
// when all 1001 exist or the name would not fit.
bool BackupName(const char* path, PathBuffer& backup);
// prefix followed by n as "%03d.%03d" in directory, for the first n from 0
// whose name does not exist; false when the name would not fit.
bool TemporaryName(const char* directory, const char* prefix, PathBuffer& path);
