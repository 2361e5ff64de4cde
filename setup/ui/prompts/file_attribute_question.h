// The version question of the copies, asked in the "File Attribute
// Incompatible" dialog.
#pragma once

#include "base/version_question.h"

class FileAttributeQuestion : public VersionQuestion {
 public:
  int Ask(HWND owner, const char* source, const VersionStamp& sourceStamp, PathBuffer& target,
          const VersionStamp& targetStamp) override;
};
