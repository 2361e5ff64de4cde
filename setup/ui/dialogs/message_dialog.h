// The setup engine's message box family on the templates "DLGMSGBOX0" to
// "DLGMSGBOX4": up to three labelled buttons (kDlgButton1 on), an optional
// help button after them, an optional icon (kDlgIcon) and the text
// (kDlgText).
#pragma once

#include "resources/dialog_ids.h"
#include "ui/dialogs/dialog_object.h"

#include <cstdarg>

class ContextHelp;

constexpr int kTitleChars = 40;   // with the NUL
constexpr int kTextChars = 1024;  // with the NUL
constexpr int kLabelChars = 20;   // with the NUL
constexpr int kMaxLabels = 3;

// Standard button sets.
enum ButtonSet { kSetOk = 0, kSetOkCancel = 1, kSetYesNo = 4, kSetRetryCancel = 5 };

class MessageDialog : public DialogObject {
 public:
  MessageDialog();
  ~MessageDialog() override;

  void SetText(const char* format, ...);
  void SetTextV(const char* format, va_list args);
  // MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION or MB_ICONASTERISK;
  // others: no icon.
  void SetSystemIcon(int kind);
  // An icon of the program, destroyed with the box.
  void SetOwnIcon(const char* resourceName);
  void SetLabels(const char* first, const char* second = nullptr, const char* third = nullptr);
  // Sets 0, 1, 4 and 5 (labels from the string table); others change nothing.
  void SetStandardButtons(int set);
  void SetCancelButton(int index) { cancelId_ = kDlgButton1 + index; }
  void SetHelp(ContextHelp* help, int context) {
    help_ = help;
    helpContext_ = context;
  }
  // The index of the button pressed, or -1 when the box cannot be made.
  // A null title means "Error"; titles are cut to 39 characters.
  int Show(HWND owner, const char* title, bool centre = true);

  const char* Text() const { return text_; }
  const char* Title() const { return title_; }
  int ButtonCount() const { return count_; }
  int CancelId() const { return cancelId_; }
  const char* Label(int i) const { return labels_[i]; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ClearIcon();
  bool OnCommand(int id);

  int helpContext_ = -1;
  int count_ = 0;
  int cancelId_ = -1;
  bool centre_ = true;
  HICON icon_ = nullptr;
  bool ownIcon_ = false;
  char title_[kTitleChars] = {0};
  char text_[kTextChars] = {0};
  char labels_[kMaxLabels][kLabelChars] = {};
  ContextHelp* help_ = nullptr;
};

// The engine's error box: exclamation icon, "&OK", title "Error", centred.
int ShowErrorBox(HWND owner, const char* format, ...);
// The platform's system-modal box "Fatal error: Out of memory".
void ShowOutOfMemory();

extern const char kErrorTitle[];
extern const char kOutOfMemoryText[];
