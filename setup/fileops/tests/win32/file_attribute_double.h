// A stand-in for the "File Attribute Incompatible" question, linked into
// this test program instead of the real dialog: it keeps what it was asked
// and gives the answer the test chose, with the target path the test chose.
#pragma once

#include "fileops/version_stamp.h"
#include "ui/file_attribute_dialog.h"

#include <string>

struct AttributeQuestion {
  int calls = 0;
  HWND owner = nullptr;
  std::string source;
  VersionStamp sourceStamp;
  std::string target;
  VersionStamp targetStamp;

  int answer = kAttributeSkip;
  std::string typedTarget;  // written into the target path when not empty
};

// The double's state; tests reset it.
AttributeQuestion& TheAttributeQuestion();
