// OperationContext: what the concerns of the file operations share. Each
// change that succeeds is told to the current recorder; each failure is
// shown in an "Error" box owned by the owner window (unless the context is
// quiet) and leaves its code in LastError().
//
// Once the current recorder has failed, a change could no longer be taken
// back: every recording operation then answers its failure without changing
// anything (code kFileOpLogWrite), and one whose own record failed answers
// failure too. "The installation log could not be written" is shown the
// first time the context notices it while not quiet.
//
// The context keeps one saved level of owner window and of recorder: a push
// saves the current one, a pop puts the saved one back (not a stack).
//
// It knows the user interface only through what it is handed: the error
// boxes, the version question of the comparing copies, and the progress
// that keeps the interface alive during its own copies.
#pragma once

#include <windows.h>

#include <cstdarg>

#include "base/error_boxes.h"
#include "base/failure_report.h"
#include "base/path_buffer.h"
#include "base/progress_sink.h"
#include "base/version_question.h"
#include "install_log/operation_recorder.h"

class OperationContext : public FailureReport {
 public:
  // Failures are shown in boxes.
  explicit OperationContext(ErrorBoxes& boxes);
  ~OperationContext() override;
  OperationContext(const OperationContext&) = delete;
  OperationContext& operator=(const OperationContext&) = delete;

  // --- what the user interface lends it --------------------------------------
  ErrorBoxes& Boxes() const { return *boxes_; }
  // The question of a comparing copy; without one it cannot be asked
  // (kAttributeNoDialog).
  void SetVersionQuestion(VersionQuestion* question) { versionQuestion_ = question; }
  int AskVersionQuestion(const char* source, const VersionStamp& sourceStamp, PathBuffer& target,
                         const VersionStamp& targetStamp);
  // Told of the chunks of the context's own copies (plain copies, moves
  // across drives); without one they go unwatched.
  void SetIdleProgress(ProgressSink* progress) { idleProgress_ = progress; }
  ProgressSink& IdleProgress() const;

  // --- state ---------------------------------------------------------------
  int LastError() const { return lastError_; }
  bool Quiet() const { return quiet_ != 0; }
  void SetQuiet(bool quiet) { quiet_ = quiet ? 1 : 0; }
  HWND Owner() const { return owner_; }
  void PushOwner(HWND owner);
  void PopOwner();
  OperationRecorder& Recorder() const { return *recorder_; }
  // True once the current recorder could not keep a record; for those who
  // record through Recorder() themselves and must stop there too.
  bool RecorderFailed() const { return recorder_->Failed(); }
  void PushRecorder(OperationRecorder& recorder);
  void PopRecorder();

  // --- reports (Report with a string-table text: FailureReport) -------------
  // Set the code and, unless quiet, show the text in an "Error" box owned by
  // Owner(), or the out-of-memory box.
  void ReportV(int code, unsigned id, va_list args) override;
  void ReportText(const char* text) override;
  void ReportOutOfMemory() override;

 private:
  // The concerns that change the machine, and the scopes that set a step
  // of theirs apart; the object's callers see none of this.
  friend class FileChanges;
  friend class CopyEngine;
  friend class RegistryOperations;
  friend class FontOperations;
  friend class QuietGuard;
  friend class UnrecordedSteps;

  void SetErrorCode(int code) { lastError_ = code; }
  // Whether the current recorder has failed; if so the failure is reported
  // (shown only the first time the context is not quiet) and its code set.
  bool RecordsLost();

  ErrorBoxes* boxes_;
  VersionQuestion* versionQuestion_ = nullptr;
  ProgressSink* idleProgress_ = nullptr;
  int lastError_ = kFileOpOk;
  int quiet_ = 0;
  bool recordsLostShown_ = false;
  HWND owner_ = nullptr;
  HWND savedOwner_ = nullptr;
  OperationRecorder* recorder_;
  OperationRecorder* savedRecorder_ = nullptr;
};
