// One install log as the uninstaller takes it: its header and the records
// it holds whole. A log whose writing was cut off (a setup that died
// mid-record, or one cut back to its last whole record) counts for exactly
// its complete records; any other damage refuses it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fileops/install_log_reader.h"

struct RemovalLog {
  std::string path;
  LogHeader header;
  std::vector<LogRecord> records;
};

// False when the log is damaged otherwise than by being cut short.
bool ParseRemovalLog(const uint8_t* bytes, size_t size, RemovalLog& log);

// A log still named by the placeholder: setup did not finish, and the
// uninstaller takes the incomplete installation back without asking.
bool IsRollBack(const LogHeader& header);

enum class EarlierLog { kNone, kNamed, kInvalid };
// The log of an earlier installation into the same folder, which the chain
// name calls by its file name: its path beside log. kInvalid for a name that
// is not a plain file name (it could reach outside the folder).
EarlierLog EarlierLogOf(const RemovalLog& log, std::string& path);
