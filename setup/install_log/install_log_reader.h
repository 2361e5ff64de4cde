// InstallLogReader: reads an install log held in memory (layout in
// install_log_format.h). It accepts every record kind and refuses a damaged
// log: a wrong header, an unknown kind, a field longer than the bounds of
// install_log_format.h or one that runs past the end. It never reads beyond
// the bytes it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "install_log/install_log_format.h"

struct LogHeader {
  char chain_name[install_log::kChainNameSize] = {};
  std::string title;
};

// One record, its fields by type in the order they appear in the log:
// strings in texts, int32 fields in numbers, the raw block (old registry
// data, the item record) in data.
struct LogRecord {
  LogOp kind = LogOp::DirCreated;
  std::vector<std::string> texts;
  std::vector<uint32_t> numbers;
  std::vector<uint8_t> data;
};

class InstallLogReader {
 public:
  enum class Result { Record, End, Damaged };

  InstallLogReader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

  // Reads the header; false for a damaged one. Call it first, once.
  bool ReadHeader(LogHeader& header);
  // The next record, End after the last one, or Damaged (and Damaged from
  // then on).
  Result ReadRecord(LogRecord& record);
  // Where the header or the last record read whole ends.
  size_t CompleteEnd() const { return complete_end_; }
  // Whether the damage is only a last record that runs past the end of the
  // bytes, as in a log whose writing was cut off.
  bool CutShort() const { return cut_short_; }

 private:
  bool Take(size_t count, const uint8_t*& at);
  bool Int32(uint32_t& value);
  bool String(std::string& text);
  bool Raw(size_t count, std::vector<uint8_t>& out);

  const uint8_t* bytes_;
  size_t size_;
  size_t offset_ = 0;
  size_t complete_end_ = 0;
  bool header_read_ = false;
  bool damaged_ = false;
  bool cut_short_ = false;
};

// The name of a record kind ("FileCopied"), for reports; "?" for a number
// that is no kind.
const char* LogOpName(LogOp kind);

// The whole log; false when any part of it is damaged.
bool ReadInstallLog(const uint8_t* bytes, size_t size, LogHeader& header,
                    std::vector<LogRecord>& records);

// The length of a log's sound beginning: its header and every complete
// record, up to a last record the log was cut short in (the whole size for
// a sound log). False when the header is damaged, or a record otherwise
// than by being cut short.
bool CompleteLogLength(const uint8_t* bytes, size_t size, size_t& length);

enum class LogContent { Damaged, Empty, HasRecords };
// Whether a log may be handed to the uninstaller: only a sound log with at
// least one record is.
LogContent CheckInstallLog(const uint8_t* bytes, size_t size);
