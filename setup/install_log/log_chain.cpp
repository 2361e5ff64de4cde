#include "install_log/log_chain.h"

#include <cstring>

namespace log_chain {

namespace {

// Where the name part of a path starts (after its last '\', '/' or ':').
const char* NamePart(const char* path) {
  const char* name = path;
  for (const char* at = path; *at; ++at)
    if (*at == '\\' || *at == '/' || *at == ':') name = at + 1;
  return name;
}

}  // namespace

bool ChainName(const char* backup_path, char (&out)[install_log::kChainNameSize]) {
  if (backup_path == nullptr) return false;
  const char* name = NamePart(backup_path);
  const size_t length = std::strlen(name);
  if (length == 0 || length > sizeof out) return false;
  std::memset(out, 0, sizeof out);
  std::memcpy(out, name, length);
  return true;
}

bool ShouldStartUninstaller(bool has_version, uint32_t file_version_ms, LogContent content) {
  return has_version && file_version_ms >= 0x20000u && content == LogContent::HasRecords;
}

bool UninstallCommand(const char* uninstaller, const char* log, char* out, size_t capacity) {
  if (uninstaller == nullptr || log == nullptr || out == nullptr || capacity == 0) return false;
  const int length = std::snprintf(out, capacity, "%s %s", uninstaller, log);
  if (length < 0 || static_cast<size_t>(length) >= capacity) {
    out[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace log_chain
