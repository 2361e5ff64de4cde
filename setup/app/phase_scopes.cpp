#include "app/phase_scopes.h"

#include "base/message_text.h"
#include "fileops/file_operations.h"

void PhaseStatus::Open(unsigned textId) {
  SetupString text;
  LoadMessage(text, textId);
  if (box_.Open(background_, text.Text(), title_, kMinimumMs)) {
    operations_.PushOwner(box_.Handle());
    pushed_ = true;
  }
}

void PhaseStatus::Close() {
  if (pushed_) operations_.PopOwner();
  pushed_ = false;
  if (box_.IsOpen()) box_.Close(true);
}
