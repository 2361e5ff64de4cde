#include "abort_double.h"

#include "ui/abort_question.h"

namespace abort_double {

Record& State() {
  static Record record;
  return record;
}

}  // namespace abort_double

bool ConfirmAbort(HWND owner) {
  abort_double::Record& r = abort_double::State();
  ++r.calls;
  r.lastOwner = owner;
  return r.answer;
}
