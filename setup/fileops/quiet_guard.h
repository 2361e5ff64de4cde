// A step whose failure is not its caller's: while the guard lives the file
// operations report nothing (or keep the quiet flag they are given), and
// when it ends their quiet flag and error code are what they were before.
#pragma once

#include "fileops/file_operations.h"

class QuietGuard {
 public:
  explicit QuietGuard(FileOperations& ops, bool quiet = true)
      : ops_(ops), quiet_(ops.Quiet()), error_(ops.LastError()) {
    ops_.SetQuiet(quiet);
  }
  ~QuietGuard() {
    ops_.SetQuiet(quiet_);
    if (!keepError_) ops_.SetErrorCode(error_);
  }
  QuietGuard(const QuietGuard&) = delete;
  QuietGuard& operator=(const QuietGuard&) = delete;

  // The step's error code is the caller's after all.
  void KeepErrorCode() { keepError_ = true; }

 private:
  FileOperations& ops_;
  const bool quiet_;
  const int error_;
  bool keepError_ = false;
};
