#include "fileops/operation_context.h"

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

OperationContext::OperationContext(ErrorBoxes& boxes)
    : boxes_(&boxes), recorder_(&NullRecorder::Instance()) {}

OperationContext::~OperationContext() = default;

int OperationContext::AskVersionQuestion(const char* source, const VersionStamp& sourceStamp,
                                         PathBuffer& target, const VersionStamp& targetStamp) {
  if (!versionQuestion_) return kAttributeNoDialog;
  return versionQuestion_->Ask(owner_, source, sourceStamp, target, targetStamp);
}

ProgressSink& OperationContext::IdleProgress() const {
  static UnwatchedProgress unwatched;
  return idleProgress_ ? *idleProgress_ : unwatched;
}

void OperationContext::PushOwner(HWND owner) {
  savedOwner_ = owner_;
  owner_ = owner;
}

void OperationContext::PopOwner() { owner_ = savedOwner_; }

void OperationContext::PushRecorder(OperationRecorder& recorder) {
  savedRecorder_ = recorder_;
  recorder_ = &recorder;
}

void OperationContext::PopRecorder() {
  // A pop without a push keeps the current recorder rather than losing it.
  if (savedRecorder_) recorder_ = savedRecorder_;
}

void OperationContext::ReportV(int code, unsigned id, va_list args) {
  lastError_ = code;
  if (quiet_) return;
  SetupString text;
  if (!FormatMessageTextV(text, id, args)) {
    boxes_->ShowOutOfMemory();
    return;
  }
  boxes_->ShowError(owner_, text.Text());
}

void OperationContext::ReportText(const char* text) {
  lastError_ = kFileOpGeneral;
  if (!quiet_) boxes_->ShowError(owner_, text ? text : "");
}

void OperationContext::ReportOutOfMemory() {
  lastError_ = kFileOpOutOfMemory;
  if (!quiet_) boxes_->ShowOutOfMemory();
}

bool OperationContext::RecordsLost() {
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
