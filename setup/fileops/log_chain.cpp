#include "fileops/log_chain.h"

#include <cstdio>
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

bool JoinPath(const char* folder, const char* name, char (&out)[kPathCapacity]) {
  if (folder == nullptr || name == nullptr) return false;
  const size_t length = std::strlen(folder);
  const bool separator = length > 0 && folder[length - 1] != '\\';
  const size_t name_length = std::strlen(name);
  if (length + (separator ? 1 : 0) + name_length + 1 > sizeof out) return false;
  std::memcpy(out, folder, length);
  char* end = out + length;
  if (separator) *end++ = '\\';
  std::memcpy(end, name, name_length + 1);
  return true;
}

bool BackupName(const char* path, int index, char (&out)[kPathCapacity]) {
  if (path == nullptr || index < 0 || index >= kBackupNameCount) return false;
  const char* name = NamePart(path);
  const char* dot = std::strrchr(name, '.');
  const size_t stem = dot ? static_cast<size_t>(dot - path) : std::strlen(path);
  char extension[4];
  if (index == 0)
    std::memcpy(extension, "bak", 4);
  else
    std::snprintf(extension, sizeof extension, "%03d", index - 1);
  if (stem + 1 + 3 + 1 > sizeof out) return false;
  std::memcpy(out, path, stem);
  out[stem] = '.';
  std::memcpy(out + stem + 1, extension, 4);
  return true;
}

bool ChainName(const char* backup_path, char (&out)[install_log::kChainNameSize]) {
  if (backup_path == nullptr) return false;
  const char* name = NamePart(backup_path);
  const size_t length = std::strlen(name);
  if (length == 0 || length > sizeof out) return false;
  std::memset(out, 0, sizeof out);
  std::memcpy(out, name, length);
  return true;
}

bool ShouldStartUninstaller(bool has_version, uint32_t file_version_ms,
                            LogContent content) {
  return has_version && file_version_ms >= 0x20000u &&
         content == LogContent::HasRecords;
}

bool UninstallCommand(const char* uninstaller, const char* log, char* out,
                      size_t capacity) {
  if (uninstaller == nullptr || log == nullptr || out == nullptr || capacity == 0)
    return false;
  const int length = std::snprintf(out, capacity, "%s %s", uninstaller, log);
  if (length < 0 || static_cast<size_t>(length) >= capacity) {
    out[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace log_chain
