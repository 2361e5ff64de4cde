#include "ui/dialogs/message_dialog.h"

#include "base/message_text.h"
#include "ui/dialogs/context_help.h"
#include "ui/dialogs/message_pump.h"
#include "resources/string_ids.h"
#include "resources/dialog_ids.h"

#include <cstdio>
#include <cstring>

const char kErrorTitle[] = "Error";
const char kOutOfMemoryText[] = "Fatal error: Out of memory";

namespace {

void CopyCut(char* to, int size, const char* from) {
  std::snprintf(to, static_cast<std::size_t>(size), "%s", from ? from : "");
}

void CopyMessage(char* to, int size, unsigned id) {
  SetupString text;
  LoadMessage(text, id);
  CopyCut(to, size, text.Text());
}

}  // namespace

MessageDialog::MessageDialog() = default;

MessageDialog::~MessageDialog() { ClearIcon(); }

void MessageDialog::ClearIcon() {
  if (icon_ && ownIcon_) DestroyIcon(icon_);
  icon_ = nullptr;
  ownIcon_ = false;
}

void MessageDialog::SetText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  SetTextV(format, args);
  va_end(args);
}

void MessageDialog::SetTextV(const char* format, va_list args) {
  std::vsnprintf(text_, sizeof text_, format, args);
}

void MessageDialog::SetSystemIcon(int kind) {
  ClearIcon();
  LPCSTR name = nullptr;
  switch (kind) {
    case MB_ICONHAND:
      name = IDI_HAND;
      break;
    case MB_ICONQUESTION:
      name = IDI_QUESTION;
      break;
    case MB_ICONEXCLAMATION:
      name = IDI_EXCLAMATION;
      break;
    case MB_ICONASTERISK:
      name = IDI_ASTERISK;
      break;
    default:
      return;
  }
  icon_ = LoadIconA(nullptr, name);
}

void MessageDialog::SetOwnIcon(const char* resourceName) {
  ClearIcon();
  icon_ = LoadIconA(GetModuleHandleA(nullptr), resourceName);
  ownIcon_ = icon_ != nullptr;
}

void MessageDialog::SetLabels(const char* first, const char* second, const char* third) {
  const char* given[kMaxLabels] = {first, second, third};
  count_ = 0;
  for (int i = 0; i < kMaxLabels && given[i]; ++i) {
    CopyCut(labels_[i], kLabelChars, given[i]);
    count_ = i + 1;
  }
}

void MessageDialog::SetStandardButtons(int set) {
  unsigned first, second;
  switch (set) {
    case kSetOk:
      CopyMessage(labels_[0], kLabelChars, kStrOk);
      count_ = 1;
      cancelId_ = kDlgButton1;
      return;
    case kSetOkCancel:
      first = kStrOk;
      second = kStrCancel;
      break;
    case kSetYesNo:
      first = kStrYes;
      second = kStrNo;
      break;
    case kSetRetryCancel:
      first = kStrRetry;
      second = kStrCancel;
      break;
    default:
      return;
  }
  CopyMessage(labels_[0], kLabelChars, first);
  CopyMessage(labels_[1], kLabelChars, second);
  count_ = 2;
  cancelId_ = kDlgButton1 + 1;
}

int MessageDialog::Show(HWND owner, const char* title, bool centre) {
  CopyCut(title_, kTitleChars, title ? title : kErrorTitle);
  centre_ = centre;
  int buttons = count_ + (help_ ? 1 : 0);
  char name[16];
  std::snprintf(name, sizeof name, "dlgmsgbox%d", buttons);
  return static_cast<int>(RunModalDialog(*this, owner, name));
}

LRESULT MessageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  HWND box = Handle();
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(box, title_);
      SetDlgItemTextA(box, kDlgText, text_);
      if (icon_) {
        SendDlgItemMessageA(box, kDlgIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
        ShowWindow(GetDlgItem(box, kDlgIcon), SW_SHOW);
      }
      for (int i = 0; i < count_; ++i) SetDlgItemTextA(box, kDlgButton1 + i, labels_[i]);
      if (help_) {
        help_->Register(box, helpContext_);
        char label[kLabelChars];
        CopyMessage(label, kLabelChars, kStrHelpButton);
        SetDlgItemTextA(box, kDlgButton1 + count_, label);
      }
      // A box with only the help button has no answer for Enter: no
      // default button, so Enter arrives as IDOK and is ignored.
      if (count_ == 0) SendMessageA(box, DM_SETDEFID, IDOK, 0);
      if (centre_) CentreOnOwner(box);
      return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

bool MessageDialog::OnCommand(int id) {
  if (id == IDOK) {
    if (count_ == 0) return true;  // nothing to press
    id = kDlgButton1;
  } else if (id == IDCANCEL) {
    if (cancelId_ == -1) return true;
    id = cancelId_;
  }
  if (help_ && id == kDlgButton1 + count_) {
    help_->ShowCurrent();
    return true;
  }
  if (id >= kDlgButton1 && id < kDlgButton1 + count_) {
    if (help_) help_->Unregister();
    EndDialog(Handle(), id - kDlgButton1);
    return true;
  }
  return false;
}

int ShowErrorBox(HWND owner, const char* format, ...) {
  MessageDialog box;
  va_list args;
  va_start(args, format);
  box.SetTextV(format, args);
  va_end(args);
  box.SetSystemIcon(MB_ICONEXCLAMATION);
  box.SetStandardButtons(kSetOk);
  return box.Show(owner, kErrorTitle, true);
}

void ShowOutOfMemory() {
  MessageBoxA(nullptr, kOutOfMemoryText, nullptr, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
}
