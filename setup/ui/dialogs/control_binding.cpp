#include "ui/dialogs/control_binding.h"

#include <cstdint>

const char kBindingLowProperty[] = "subclrobjptrloword";
const char kBindingHighProperty[] = "subclrobjptrhiword";

namespace {

constexpr unsigned kHalfBits = sizeof(void*) * 4;
constexpr std::uintptr_t kHalfMask = (std::uintptr_t(1) << kHalfBits) - 1;

void StoreObject(HWND control, ControlBinding* object) {
  auto address = reinterpret_cast<std::uintptr_t>(object);
  SetPropA(control, kBindingLowProperty, reinterpret_cast<HANDLE>(address & kHalfMask));
  SetPropA(control, kBindingHighProperty,
           reinterpret_cast<HANDLE>((address >> kHalfBits) & kHalfMask));
}

void RemoveObject(HWND control) {
  RemovePropA(control, kBindingLowProperty);
  RemovePropA(control, kBindingHighProperty);
}

}  // namespace

ControlBinding* ControlBinding::BoundObject(HWND control) {
  auto low = reinterpret_cast<std::uintptr_t>(GetPropA(control, kBindingLowProperty));
  auto high = reinterpret_cast<std::uintptr_t>(GetPropA(control, kBindingHighProperty));
  return reinterpret_cast<ControlBinding*>((high << kHalfBits) | (low & kHalfMask));
}

ControlBinding::~ControlBinding() { Unbind(); }

bool ControlBinding::Bind(HWND control) {
  if (control_ || !control || !IsWindow(control)) return false;
  ControlBinding* earlier = BoundObject(control);
  if (earlier) {
    // The forwarding procedure is already in place; only the address moves.
    earlier_ = earlier;
    previous_ = earlier->previous_;
    replacedProcedure_ = false;
  } else {
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlForwardProc)));
    if (!previous_) return false;
    earlier_ = nullptr;
    replacedProcedure_ = true;
  }
  control_ = control;
  StoreObject(control, this);
  return true;
}

void ControlBinding::Unbind() {
  HWND control = control_;
  if (!control) return;
  control_ = nullptr;
  if (!IsWindow(control)) return;
  if (earlier_) {
    StoreObject(control, earlier_);
  } else if (replacedProcedure_) {
    RemoveObject(control);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  }
  earlier_ = nullptr;
  replacedProcedure_ = false;
}

LRESULT ControlBinding::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return PassOn(message, wParam, lParam);
}

LRESULT ControlBinding::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(previous_, control_, message, wParam, lParam);
}

LRESULT CALLBACK ControlForwardProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlBinding* object = ControlBinding::BoundObject(control);
  if (!object || object->control_ != control)
    return DefWindowProcA(control, message, wParam, lParam);
  if (message != WM_NCDESTROY) return object->HandleMessage(message, wParam, lParam);
  // The control goes away: give it back its own procedure before its last
  // message, so no object is left pointing at a dead window.
  WNDPROC own = object->previous_;
  for (ControlBinding* b = object; b; b = b->earlier_) b->control_ = nullptr;
  RemoveObject(control);
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
  return CallWindowProcA(own, control, message, wParam, lParam);
}
