// A step whose failure is not its caller's: while the guard lives the
// operation context reports nothing (or keeps the quiet flag it is given),
// and when it ends its quiet flag and error code are what they were before.
#pragma once

#include "fileops/operation_context.h"

class QuietGuard {
 public:
  explicit QuietGuard(OperationContext& context, bool quiet = true)
      : context_(context), quiet_(context.Quiet()), error_(context.LastError()) {
    context_.SetQuiet(quiet);
  }
  ~QuietGuard() {
    context_.SetQuiet(quiet_);
    if (!keepError_) context_.SetErrorCode(error_);
  }
  QuietGuard(const QuietGuard&) = delete;
  QuietGuard& operator=(const QuietGuard&) = delete;

  // The step's error code is the caller's after all.
  void KeepErrorCode() { keepError_ = true; }

 private:
  OperationContext& context_;
  const bool quiet_;
  const int error_;
  bool keepError_ = false;
};
