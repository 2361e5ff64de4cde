// The naming rules that end an installation's log (platform-free): the
// backup names tried for an earlier log in the installation folder, the
// chain name written into the new log's header, and whether a log is handed
// to the uninstaller together with its command line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fileops/install_log_format.h"
#include "fileops/install_log_reader.h"

namespace log_chain {

constexpr int kPathCapacity = 260;  // characters, NUL included
// Backup names tried in order: extension "bak", then "000" to "999".
constexpr int kBackupNameCount = 1001;

// folder, a '\' unless it ends in one, and name; false when it does not fit.
bool JoinPath(const char* folder, const char* name, char (&out)[kPathCapacity]);

// The index-th backup name of path: its extension replaced (or added).
// False when index is out of range or the name does not fit.
bool BackupName(const char* path, int index, char (&out)[kPathCapacity]);

// The chain name of a backup: the file's name and extension, NUL-padded to
// 12 bytes. False when it is longer than 12 characters (it would not fit the
// header and the uninstaller could not find the earlier log).
bool ChainName(const char* backup_path, char (&out)[install_log::kChainNameSize]);

// The uninstaller of version 2.0 or later (the most significant 32 bits of
// its file version at least 0x20000) is started only on a sound log with at
// least one record.
bool ShouldStartUninstaller(bool has_version, uint32_t file_version_ms,
                            LogContent content);

// "%s %s" of the uninstaller and the log; false when it does not fit.
bool UninstallCommand(const char* uninstaller, const char* log, char* out,
                      size_t capacity);

}  // namespace log_chain
