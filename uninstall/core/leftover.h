// What the uninstaller could not take back, for the box at the end.
#pragma once

#include <string>

enum class LeftoverKind {
  kFile,          // a file or folder not removed: a
  kNotRestored,   // a file or folder not put back as it was: a
  kSharedUse,     // the usage count of the shared file a
  kValue,         // the value b of key a under root
  kKey,           // key a under root
  kIniEntry,      // key c of section b of INI file a
  kIniSection,    // section b of INI file a
  kIniFile,       // INI file a
  kGroup,         // Program Manager group a
  kItem,          // item b of Program Manager group a
  kLog,           // install log a: not readable, or not deleted
  kLogEndsEarly,  // install log a ends within a record: what came later stays
};

struct Leftover {
  LeftoverKind kind;
  std::string a, b, c;
  int root = 0;
};
