// The naming rules that end an installation's log (platform-free): the
// chain name written into the new log's header, and whether a log is handed
// to the uninstaller together with its command line. An earlier log in the
// installation folder is kept under the file operations' backup name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "install_log/install_log_format.h"
#include "install_log/install_log_reader.h"

namespace log_chain {

// The chain name of a backup: the file's name and extension, NUL-padded to
// 12 bytes. False when it is longer than 12 characters (it would not fit the
// header and the uninstaller could not find the earlier log).
bool ChainName(const char* backup_path, char (&out)[install_log::kChainNameSize]);

// The uninstaller of version 2.0 or later (the most significant 32 bits of
// its file version at least 0x20000) is started only on a sound log with at
// least one record.
bool ShouldStartUninstaller(bool has_version, uint32_t file_version_ms, LogContent content);

// "%s %s" of the uninstaller and the log; false when it does not fit.
bool UninstallCommand(const char* uninstaller, const char* log, char* out, size_t capacity);

}  // namespace log_chain
