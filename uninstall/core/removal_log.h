// One install log as the uninstaller takes it: its header, the records it
// holds whole and where each begins (the removal cuts the log back to a
// record's start once it has taken it, so that a removal started again
// goes on where the last one stopped). A log whose writing was cut off
// mid-record counts for exactly its complete records and is marked as
// ending early; any other damage refuses it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "install_log/install_log_reader.h"

struct RemovalLog {
  std::string path;
  LogHeader header;
  std::vector<LogRecord> records;
  std::vector<uint32_t> starts;  // of each record, in bytes from the log's start
  bool endsEarly = false;        // its last record was cut off
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
