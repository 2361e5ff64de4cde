// The names the file operations build from paths: directory of a path,
// joining, comparing, the compressed name of a disk file, backup and
// temporary names. Platform-free: whether a name is free is asked through a
// callback. Every result goes into a PathBuffer; a result that would not fit
// is refused with false and the output keeps its old text.
#pragma once

#include "base/path_buffer.h"

namespace path_names {

// "X:" exactly: a path that is only a drive.
bool IsDriveOnly(const char* path);

// The drive and directory part of path, without a trailing backslash:
// "C:\A\B.TXT" gives "C:\A", "C:\B.TXT" gives "C:", "B.TXT" gives "".
bool DirectoryOf(const char* path, PathBuffer& directory);

// path without its trailing backslashes ("C:\A\" gives "C:\A", "C:\" "C:").
bool WithoutTrailingSlash(const char* path, PathBuffer& out);

// Joining lives with the buffer (base/path_buffer.h).
using ::JoinPath;

// Case-insensitive comparison of the two path strings.
bool SameFile(const char* a, const char* b);

// The name a file is stored under on the distribution disk: the last
// character of a three-character extension replaced by '_', otherwise '_'
// appended to the extension (SETUP.EXE gives SETUP.EX_, README.H gives
// README.H_, README gives README._).
bool CompressedName(const char* path, PathBuffer& compressed);

// path with its extension replaced by extension (added when it has none).
// The extension is joined with a dot; one given with a leading dot is used
// as is.
bool WithExtension(const char* path, const char* extension, PathBuffer& out);

// Backup candidates in the order they are tried: index 0 is extension bak,
// 1 to 1000 the extensions 000 to 999.
constexpr int kBackupCandidates = 1001;
bool BackupCandidate(const char* path, int index, PathBuffer& backup);

// prefix followed by counter / 1000 and counter % 1000 as "%03d.%03d",
// joined to directory (tmp000.000, tmp000.001, ... tmp001.000).
bool TemporaryCandidate(const char* directory, const char* prefix, unsigned counter,
                        PathBuffer& path);

// Tells whether a name is taken; context is the caller's.
using ExistsFn = bool (*)(const char* path, void* context);

// The first backup candidate of path that does not exist; false when all
// 1001 exist or a candidate does not fit.
bool FirstFreeBackup(const char* path, ExistsFn exists, void* context, PathBuffer& backup);

// The first temporary candidate from counter 0 that does not exist; false
// when a candidate does not fit (or, in theory, the counter runs out).
bool FirstFreeTemporary(const char* directory, const char* prefix, ExistsFn exists, void* context,
                        PathBuffer& path);

}  // namespace path_names
