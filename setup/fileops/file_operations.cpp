#include "fileops/file_operations.h"

#include "base/message_text.h"
#include "base/setup_string.h"
#include "ui/message_dialog.h"

#include <cstdarg>

FileOperations::FileOperations() : recorder_(&NullRecorder::Instance()) {}

FileOperations::~FileOperations() = default;

void FileOperations::PushOwner(HWND owner) {
  savedOwner_ = owner_;
  owner_ = owner;
}

void FileOperations::PopOwner() { owner_ = savedOwner_; }

void FileOperations::PushRecorder(OperationRecorder& recorder) {
  savedRecorder_ = recorder_;
  recorder_ = &recorder;
}

void FileOperations::PopRecorder() {
  // A pop without a push keeps the current recorder rather than losing it.
  if (savedRecorder_) recorder_ = savedRecorder_;
}

void FileOperations::Report(int code, unsigned id, ...) {
  lastError_ = code;
  if (quiet_) return;
  SetupString text;
  va_list args;
  va_start(args, id);
  bool formatted = FormatMessageTextV(text, id, args);
  va_end(args);
  if (!formatted) {
    ShowOutOfMemory();
    return;
  }
  ShowErrorBox(owner_, "%s", text.Text());
}

void FileOperations::ReportText(const char* text) {
  lastError_ = kFileOpGeneral;
  if (!quiet_) ShowErrorBox(owner_, "%s", text ? text : "");
}

void FileOperations::ReportOutOfMemory() {
  lastError_ = kFileOpOutOfMemory;
  if (!quiet_) ShowOutOfMemory();
}
