// How a file search with an attribute mask decides whether an entry counts
// as a match: normal files always match; hidden, system and folder entries
// match only when the mask asks for them. Read-only and archive never
// restrict a match.
#pragma once

namespace kelvane {

constexpr unsigned kMaskReadOnly = 1;
constexpr unsigned kMaskHidden = 2;
constexpr unsigned kMaskSystem = 4;
constexpr unsigned kMaskFolder = 16;
constexpr unsigned kMaskArchive = 32;

// attributes: the entry's attribute word as the file system reports it.
// wantFolder: the predicate asks for a folder (an entry that is not a folder
// does not count), otherwise for a file (a folder does not count).
inline bool AttributesMatch(unsigned mask, unsigned attributes, bool wantFolder) {
  const bool isFolder = (attributes & kMaskFolder) != 0;
  if (isFolder != wantFolder) return false;
  if (isFolder && !(mask & kMaskFolder)) return false;
  if ((attributes & kMaskHidden) && !(mask & kMaskHidden)) return false;
  if ((attributes & kMaskSystem) && !(mask & kMaskSystem)) return false;
  return true;
}

}  // namespace kelvane
