// Feeds arbitrary bytes to the install log reader: it must refuse or read
// them without reading past the end, and agree with CheckInstallLog and
// CompleteLogLength.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "install_log/install_log_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LogHeader header;
  std::vector<LogRecord> records;
  const bool sound = ReadInstallLog(data, size, header, records);
  const LogContent content = CheckInstallLog(data, size);
  if (sound != (content != LogContent::Damaged)) std::abort();
  if (sound && records.empty() != (content == LogContent::Empty)) std::abort();
  for (const LogRecord& record : records)
    if (static_cast<int32_t>(record.kind) < 0 || static_cast<int32_t>(record.kind) >= kLogOpCount)
      std::abort();
  // The sound beginning is the whole of a sound log, and itself sound.
  size_t length = 0;
  if (CompleteLogLength(data, size, length)) {
    std::vector<LogRecord> complete;
    if (length > size || (sound && length != size) ||
        !ReadInstallLog(data, length, header, complete))
      std::abort();
  } else if (sound) {
    std::abort();
  }
  return 0;
}
