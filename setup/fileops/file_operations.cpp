#include "fileops/file_operations.h"

#include "base/message_text.h"
#include "base/setup_string.h"
#include "resources/string_ids.h"

#include <cstdarg>

namespace {

// The progress of copies nobody watches.
class UnwatchedProgress : public ProgressSink {
 public:
  bool Add(uint32_t) override { return true; }
  void BeginFile() override {}
  void EndFile() override {}
  uint32_t BufferSize() override { return 0; }
};

}  // namespace

FileOperations::FileOperations(ErrorBoxes& boxes)
    : boxes_(&boxes), recorder_(&NullRecorder::Instance()) {}

FileOperations::~FileOperations() = default;

int FileOperations::AskVersionQuestion(const char* source, const VersionStamp& sourceStamp,
                                       PathBuffer& target, const VersionStamp& targetStamp) {
  if (!versionQuestion_) return kAttributeNoDialog;
  return versionQuestion_->Ask(owner_, source, sourceStamp, target, targetStamp);
}

ProgressSink& FileOperations::IdleProgress() const {
  static UnwatchedProgress unwatched;
  return idleProgress_ ? *idleProgress_ : unwatched;
}

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

void FileOperations::ReportV(int code, unsigned id, va_list args) {
  lastError_ = code;
  if (quiet_) return;
  SetupString text;
  if (!FormatMessageTextV(text, id, args)) {
    boxes_->ShowOutOfMemory();
    return;
  }
  boxes_->ShowError(owner_, text.Text());
}

void FileOperations::ReportText(const char* text) {
  lastError_ = kFileOpGeneral;
  if (!quiet_) boxes_->ShowError(owner_, text ? text : "");
}

void FileOperations::ReportOutOfMemory() {
  lastError_ = kFileOpOutOfMemory;
  if (!quiet_) boxes_->ShowOutOfMemory();
}

bool FileOperations::RecordsLost() {
  if (!recorder_->Failed()) return false;
  if (recordsLostShown_) {
    lastError_ = kFileOpLogWrite;
    return true;
  }
  Report(kFileOpLogWrite, kStrLogWrite);
  // Noticed first by a quiet step, it is shown by the next one that is not.
  recordsLostShown_ = !Quiet();
  return true;
}
