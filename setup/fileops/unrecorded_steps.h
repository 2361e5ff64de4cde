// Steps of an operation that stay out of the log: the temporary copy of a
// replaced file and its rename, the quiet deletion of a destination before
// replacement, the copy and delete of a move across drives. While the scope
// lives the operation context records to the NullRecorder, with an error
// code of the steps' own; when it ends the recorder is put back, and the
// code is what it was unless the steps failed and their code is kept.
#pragma once

#include "fileops/operation_context.h"

class UnrecordedSteps {
 public:
  explicit UnrecordedSteps(OperationContext& context)
      : context_(context), recorder_(context.recorder_), error_(context.LastError()) {
    context_.recorder_ = &NullRecorder::Instance();
    context_.SetErrorCode(kFileOpOk);
  }
  ~UnrecordedSteps() {
    context_.recorder_ = recorder_;
    if (!keepError_ || context_.LastError() == kFileOpOk) context_.SetErrorCode(error_);
  }
  UnrecordedSteps(const UnrecordedSteps&) = delete;
  UnrecordedSteps& operator=(const UnrecordedSteps&) = delete;

  // The steps failed: the code they set, if any, is the operation's.
  void KeepErrorCode() { keepError_ = true; }

 private:
  OperationContext& context_;
  OperationRecorder* const recorder_;
  const int error_;
  bool keepError_ = false;
};
