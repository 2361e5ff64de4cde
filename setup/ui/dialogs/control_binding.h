// Binding an object to a control that a dialog template created: the control
// gets a shared forwarding procedure, and the object's address lives in two
// window properties of the control, "subclrobjptrloword" and
// "subclrobjptrhiword", holding its low and high halves. Each half is half a
// pointer wide (16 bits in the shipped i686 build, 32 bits in a 64-bit build)
// and is stored as a HANDLE-sized value, so the address is rebuilt exactly on
// both.
//
// A control that already carries an object keeps its procedure: a second
// binding only overwrites the properties, and undoing it gives them back to
// the earlier object. Undoing the binding that replaced the procedure removes
// both properties and restores the control's previous procedure.
#pragma once

#include <windows.h>

extern const char kBindingLowProperty[];
extern const char kBindingHighProperty[];

class ControlBinding {
 public:
  ControlBinding() = default;
  virtual ~ControlBinding();  // unbinds
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  bool Bind(HWND control);
  void Unbind();
  HWND Control() const { return control_; }
  bool Bound() const { return control_ != nullptr; }

  // Messages of the control. What is not handled goes to PassOn.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // The object whose address the control's properties hold, or null.
  static ControlBinding* BoundObject(HWND control);

 protected:
  // The control's own handling (its procedure before the first binding).
  LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend LRESULT CALLBACK ControlForwardProc(HWND, UINT, WPARAM, LPARAM);
  HWND control_ = nullptr;
  WNDPROC previous_ = nullptr;         // the control's procedure before any binding
  ControlBinding* earlier_ = nullptr;  // the object bound before this one, if any
  bool replacedProcedure_ = false;
};

LRESULT CALLBACK ControlForwardProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
