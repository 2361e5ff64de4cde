#include "fileops/path_names.h"

#include <cstdio>
#include <cstring>

namespace path_names {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the name part of path starts: after its last separator or drive colon.
const char* NamePart(const char* path) {
  const char* name = path;
  for (const char* at = path; *at; ++at)
    if (IsSeparator(*at) || *at == ':') name = at + 1;
  return name;
}

// The dot of the name's extension, or null when the name has none.
const char* ExtensionDot(const char* path) { return std::strrchr(NamePart(path), '.'); }

// The first length characters of text, then tail; refused when the whole
// does not fit the path buffer.
bool SetJoined(const char* text, size_t length, const char* tail, PathBuffer& out) {
  const size_t tailLength = std::strlen(tail);
  if (length + tailLength > static_cast<size_t>(PathBuffer::kMaxLength)) return false;
  char joined[PathBuffer::kCapacity];
  std::memcpy(joined, text, length);
  std::memcpy(joined + length, tail, tailLength + 1);
  return out.Set(joined);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsDriveOnly(const char* path) {
  if (path == nullptr) return false;
  const char letter = Lower(path[0]);
  return letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\0';
}

bool WithoutTrailingSlash(const char* path, PathBuffer& out) {
  if (path == nullptr) return false;
  size_t length = std::strlen(path);
  while (length > 0 && IsSeparator(path[length - 1])) --length;
  return SetJoined(path, length, "", out);
}

bool DirectoryOf(const char* path, PathBuffer& directory) {
  if (path == nullptr) return false;
  const char* name = NamePart(path);
  size_t length = static_cast<size_t>(name - path);
  // A name after a drive colon keeps the colon ("C:B.TXT" gives "C:").
  while (length > 0 && IsSeparator(path[length - 1])) --length;
  return SetJoined(path, length, "", directory);
}

bool SameFile(const char* a, const char* b) {
  if (a == nullptr || b == nullptr) return false;
  for (; *a && *b; ++a, ++b)
    if (Lower(*a) != Lower(*b)) return false;
  return *a == *b;
}

bool CompressedName(const char* path, PathBuffer& compressed) {
  if (path == nullptr) return false;
  const size_t length = std::strlen(path);
  const char* dot = ExtensionDot(path);
  if (dot == nullptr) return SetJoined(path, length, "._", compressed);
  if (std::strlen(dot + 1) == 3) return SetJoined(path, length - 1, "_", compressed);
  return SetJoined(path, length, "_", compressed);
}

bool WithExtension(const char* path, const char* extension, PathBuffer& out) {
  if (path == nullptr || extension == nullptr) return false;
  const char* dot = ExtensionDot(path);
  const size_t stem = dot ? static_cast<size_t>(dot - path) : std::strlen(path);
  char tail[PathBuffer::kCapacity];
  const int written =
      std::snprintf(tail, sizeof tail, "%s%s", extension[0] == '.' ? "" : ".", extension);
  if (written < 0 || static_cast<size_t>(written) >= sizeof tail) return false;
  return SetJoined(path, stem, tail, out);
}

bool BackupCandidate(const char* path, int index, PathBuffer& backup) {
  if (index < 0 || index >= kBackupCandidates) return false;
  char extension[8];
  if (index == 0)
    std::memcpy(extension, "bak", 4);
  else
    std::snprintf(extension, sizeof extension, "%03d", index - 1);
  return WithExtension(path, extension, backup);
}

bool TemporaryCandidate(const char* directory, const char* prefix, unsigned counter,
                        PathBuffer& path) {
  if (directory == nullptr || prefix == nullptr) return false;
  char name[PathBuffer::kCapacity];
  const int written =
      std::snprintf(name, sizeof name, "%s%03u.%03u", prefix, counter / 1000, counter % 1000);
  if (written < 0 || static_cast<size_t>(written) >= sizeof name) return false;
  return JoinPath(directory, name, path);
}

bool FirstFreeBackup(const char* path, ExistsFn exists, void* context, PathBuffer& backup) {
  PathBuffer candidate;
  for (int index = 0; index < kBackupCandidates; ++index) {
    if (!BackupCandidate(path, index, candidate)) return false;
    if (!exists(candidate.Get(), context)) return backup.Set(candidate.Get());
  }
  return false;
}

bool FirstFreeTemporary(const char* directory, const char* prefix, ExistsFn exists, void* context,
                        PathBuffer& path) {
  PathBuffer candidate;
  unsigned counter = 0;
  do {
    if (!TemporaryCandidate(directory, prefix, counter, candidate)) return false;
    if (!exists(candidate.Get(), context)) return path.Set(candidate.Get());
  } while (++counter != 0);
  return false;
}

}  // namespace path_names
