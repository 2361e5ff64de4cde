#include "core/removal_log.h"

#include <cstring>

namespace {

// Characters a file name may not hold, and those that would lead elsewhere.
bool NameCharacter(unsigned char c) {
  return c > ' ' && c < 0x7F && std::strchr("\\/:*?\"<>|", c) == nullptr;
}

}  // namespace

bool ParseRemovalLog(const uint8_t* bytes, size_t size, RemovalLog& log) {
  log.records.clear();
  log.starts.clear();
  log.endsEarly = false;
  InstallLogReader reader(bytes, size);
  if (!reader.ReadHeader(log.header)) return false;
  for (;;) {
    const size_t start = reader.CompleteEnd();
    LogRecord record;
    switch (reader.ReadRecord(record)) {
      case InstallLogReader::Result::Record:
        log.records.push_back(std::move(record));
        log.starts.push_back(static_cast<uint32_t>(start));
        break;
      case InstallLogReader::Result::End:
        return true;
      case InstallLogReader::Result::Damaged:
        log.endsEarly = reader.CutShort();
        return log.endsEarly;
    }
  }
}

bool IsRollBack(const LogHeader& header) {
  return std::memcmp(header.chain_name, install_log::kPlaceholderChainName,
                     install_log::kChainNameSize) == 0;
}

EarlierLog EarlierLogOf(const RemovalLog& log, std::string& path) {
  path.clear();
  const char* name = log.header.chain_name;
  size_t length = 0;
  while (length < install_log::kChainNameSize && name[length] != '\0') ++length;
  if (length == 0 || IsRollBack(log.header)) return EarlierLog::kNone;
  for (size_t i = length; i < install_log::kChainNameSize; ++i)
    if (name[i] != '\0') return EarlierLog::kInvalid;
  const std::string file(name, length);
  if (file == "." || file == "..") return EarlierLog::kInvalid;
  for (char c : file)
    if (!NameCharacter(static_cast<unsigned char>(c))) return EarlierLog::kInvalid;
  const size_t slash = log.path.find_last_of("\\/");
  path = (slash == std::string::npos ? std::string() : log.path.substr(0, slash + 1)) + file;
  return EarlierLog::kNamed;
}
