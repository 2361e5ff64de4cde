// The short (8.3) form of a path, as the Program Manager link sends icon
// paths and working directories; the file operations answer it.
#pragma once

#include <string>

class ShortPaths {
 public:
  virtual ~ShortPaths() = default;
  // Each existing component of path replaced by its short name; false
  // (and shortPath empty) when the path cannot be converted.
  virtual bool ShortPath(const char* path, std::string& shortPath) = 0;
};
