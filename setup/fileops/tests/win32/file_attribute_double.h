// A stand-in for the "File Attribute Incompatible" question, handed to the
// file operations instead of the real dialog: it keeps what it was asked
// and gives the answer the test chose, with the target path the test chose.
#pragma once

#include "base/version_stamp.h"
#include "base/version_question.h"

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

// The question that answers from TheAttributeQuestion().
class AttributeQuestionDouble : public VersionQuestion {
 public:
  int Ask(HWND owner, const char* source, const VersionStamp& sourceStamp, PathBuffer& target,
          const VersionStamp& targetStamp) override;
};
