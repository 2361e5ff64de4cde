// The abort question as the prompts' tests answer it: each call is counted
// with the owner it was given and answered from the test's settings.
#pragma once

#include <windows.h>

#include "base/abort_question.h"

namespace abort_double {

struct Record {
  int calls = 0;
  HWND lastOwner = nullptr;
  bool answer = false;  // what ConfirmAbort returns
};

// Reset between tests.
Record& State();

// Asks nobody: counts into State() and answers from it.
class Question : public AbortQuestion {
 public:
  bool ConfirmAbort(HWND owner) override;
};

}  // namespace abort_double
