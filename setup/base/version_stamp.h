// What is compared of a file's version resource: the fixed part's kind and
// version and the first translation. Read by the file operations, shown by
// the "File Attribute Incompatible" question.
#pragma once

#include <cstdint>

struct VersionStamp {
  uint16_t language = 0;  // first pair of \VarFileInfo\Translation
  uint16_t characterSet = 0;
  uint32_t os = 0;  // read, never compared
  uint32_t type = 0;
  uint32_t subtype = 0;
  uint32_t versionMs = 0;
  uint32_t versionLs = 0;
};
