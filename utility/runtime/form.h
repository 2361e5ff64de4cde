// A form of the utility: one top-level window built from a FormLayout, bound
// to this object through the creation parameter and the window's user data.
// Forms are created once, then shown and hidden until the program ends.
#pragma once

#include <windows.h>

#include <vector>

#include "core/form_layout.h"

namespace kelvane {

class Form {
 public:
  explicit Form(const FormLayout& layout);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  static bool RegisterFormClass(HINSTANCE instance);
  // The form that is shown modally, if any.
  static Form* Active();

  // Creates the window and its controls, hidden. owner: the main form's
  // window for every other form.
  bool Load(HWND owner, HMENU menu = nullptr);
  // Destroys the window; the object stays.
  void Unload();
  bool Loaded() const { return hwnd_ != nullptr; }
  HWND Handle() const { return hwnd_; }
  const FormLayout& Layout() const { return layout_; }

  void Show();
  // Shows the form and returns when it is hidden again; the other forms
  // take no input meanwhile.
  void ShowModal();
  void Hide();
  bool Visible() const;

  HWND Control(int id) const;
  // After the focus may have moved: as in every Windows dialog, a push
  // button with the focus is the default button (drawn so, pressed by
  // Enter); with the focus elsewhere the form's own default button is.
  void TrackFocus();
  int Value(int checkBoxId) const;
  // Setting a check box to a new value runs its click handler, as a
  // click would; setting the value it already has runs nothing.
  void SetValue(int checkBoxId, int value);
  void SetEnabled(int controlId, bool enabled);
  bool Enabled(int controlId) const;

 protected:
  // A button, check box or menu command was activated.
  virtual void OnClick(int id) = 0;
  // The close box. Forms other than the main window only hide.
  virtual void OnClose() { Hide(); }
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void AddTooltip(HWND control, const char* text);
  int DefaultButton() const;
  int CancelButton() const;
  bool IsPushButton(HWND control) const;

  const FormLayout& layout_;
  // The layout's controls and client width, with every button wide enough
  // for its caption in the form's font.
  std::vector<ControlLayout> controls_;
  int clientWidth_ = 0;
  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;
  int defaultId_ = 0;  // the button drawn as default now
  HWND tooltips_ = nullptr;
  HICON icon_ = nullptr;
  bool modal_ = false;
};

}  // namespace kelvane
