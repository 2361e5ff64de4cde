// The question a copy asks when the file to be installed and the file on the
// disk differ in type, subtype, language or character set: the "File
// Attribute Incompatible" dialog in the program (ui/), a double in tests.
#pragma once

#include <windows.h>

#include "base/version_stamp.h"

class PathBuffer;

enum FileAttributeAnswer { kAttributeCopy = 0, kAttributeSkip = 1, kAttributeNoDialog = 2 };

class VersionQuestion {
 public:
  virtual ~VersionQuestion() = default;
  // kAttributeCopy (target may now hold the path the user typed),
  // kAttributeSkip, or kAttributeNoDialog when the question cannot be shown.
  virtual int Ask(HWND owner, const char* source, const VersionStamp& sourceStamp,
                  PathBuffer& target, const VersionStamp& targetStamp) = 0;
};
