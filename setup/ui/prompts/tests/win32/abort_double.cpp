#include "abort_double.h"

namespace abort_double {

Record& State() {
  static Record record;
  return record;
}

bool Question::ConfirmAbort(HWND owner) {
  Record& r = State();
  ++r.calls;
  r.lastOwner = owner;
  return r.answer;
}

}  // namespace abort_double
