// Feeds arbitrary bytes to the install log reader: it must refuse or read
// them without reading past the end, and agree with CheckInstallLog.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fileops/install_log_reader.h"

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
  return 0;
}
