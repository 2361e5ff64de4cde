// Steps of an operation that stay out of the log: the temporary copy of a
// replaced file and its rename, the quiet deletion of a destination before
// replacement, the copy and delete of a move across drives. While the scope
// lives the file operations record to the NullRecorder, with an error code of
// their own; when it ends the recorder is put back, and the code is what it
// was unless the steps failed and their code is kept.
#pragma once

#include "fileops/file_operations.h"

class UnrecordedSteps {
 public:
  explicit UnrecordedSteps(FileOperations& ops)
      : ops_(ops), recorder_(ops.recorder_), error_(ops.LastError()) {
    ops_.recorder_ = &NullRecorder::Instance();
    ops_.SetErrorCode(kFileOpOk);
  }
  ~UnrecordedSteps() {
    ops_.recorder_ = recorder_;
    if (!keepError_ || ops_.LastError() == kFileOpOk) ops_.SetErrorCode(error_);
  }
  UnrecordedSteps(const UnrecordedSteps&) = delete;
  UnrecordedSteps& operator=(const UnrecordedSteps&) = delete;

  // The steps failed: the code they set, if any, is the operation's.
  void KeepErrorCode() { keepError_ = true; }

 private:
  FileOperations& ops_;
  OperationRecorder* const recorder_;
  const int error_;
  bool keepError_ = false;
};
