#include "ui/prompts/model/folder_path.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool StartsWithDrive(const char* path) { return IsDriveLetter(path[0]) && path[1] == ':'; }

}  // namespace

void NormaliseFolderPath(char* path, std::size_t size) {
  if (!path || size == 0) return;
  // The buffer may arrive without its NUL: the text ends at size - 1.
  std::size_t length = 0;
  while (length < size - 1 && path[length]) ++length;
  path[length] = '\0';

  std::size_t start = 0;
  while (start < length && IsBlank(path[start])) ++start;
  while (length > start && IsBlank(path[length - 1])) --length;

  // Characters only ever move to the left, so the copy is done in place.
  std::size_t out = 0;
  for (std::size_t in = start; in < length; ++in) {
    char c = path[in] == '/' ? '\\' : path[in];
    bool uncOpening = out == 1 && path[0] == '\\';
    if (c == '\\' && out > 0 && path[out - 1] == '\\' && !uncOpening) continue;
    path[out++] = c;
  }
  path[out] = '\0';

  // The root keeps its backslash; every other folder loses its trailing one.
  std::size_t keep = StartsWithDrive(path) ? 3 : 1;
  while (out > keep && path[out - 1] == '\\' && !(out == 2 && path[0] == '\\')) path[--out] = '\0';

  if (out == 2 && StartsWithDrive(path) && size > 3) {
    path[2] = '\\';
    path[3] = '\0';
  }
}

bool FolderVolumeRoot(const char* path, char* root, std::size_t size) {
  if (!path || !root || size == 0) return false;
  std::size_t length = 0;
  if (StartsWithDrive(path)) {
    length = 3;
    if (length + 1 > size) return false;
    std::memcpy(root, path, 2);
    root[2] = '\\';
  } else if (path[0] == '\\' && path[1] == '\\') {
    // \\server\share: both names must be there.
    const char* server = path + 2;
    const char* slash = std::strchr(server, '\\');
    if (!slash || slash == server) return false;
    const char* share = slash + 1;
    const char* end = std::strchr(share, '\\');
    std::size_t shareLength = end ? static_cast<std::size_t>(end - share) : std::strlen(share);
    if (shareLength == 0) return false;
    length = static_cast<std::size_t>(share - path) + shareLength + 1;
    if (length + 1 > size) return false;
    std::memcpy(root, path, length - 1);
    root[length - 1] = '\\';
  } else {
    return false;
  }
  root[length] = '\0';
  return true;
}
