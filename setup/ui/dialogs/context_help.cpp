#include "ui/dialogs/context_help.h"

#include "base/message_text.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_dialog.h"

#include <cstdio>
#include <cstring>

// One for the class, not one per thread: the engine runs on one thread, and
// each hook is installed for the thread that registers.
ContextHelp* ContextHelp::active_ = nullptr;

ContextHelp::ContextHelp(const char* helpFile, HWND owner, int command)
    : owner_(owner), command_(command) {
  std::snprintf(file_, sizeof file_, "%s", helpFile ? helpFile : "");
}

ContextHelp::~ContextHelp() { Destroy(); }

void ContextHelp::Show(UINT command, ULONG_PTR data) {
  bool fileThere = file_[0] && GetFileAttributesA(file_) != INVALID_FILE_ATTRIBUTES;
  bool noContext = command == HELP_CONTEXT && (data & 0xFFFF) == 0xFFFF;
  if (fileThere && !noContext) {
    WinHelpA(owner_, file_, command, data);
    return;
  }
  SetupString text, title;
  LoadMessage(text, kStrHelpFallback);
  LoadMessage(title, kStrHelpTitle);
  MessageDialog box;
  box.SetText("%s", text.Text());
  box.SetSystemIcon(MB_ICONINFORMATION);
  box.SetStandardButtons(kSetOk);
  box.Show(dialog_, title.Text(), true);
}

void ContextHelp::Push(int context) {
  if (depth_ == kHelpStackDepth) {
    std::memmove(saved_, saved_ + 1, sizeof saved_[0] * (kHelpStackDepth - 1));
    --depth_;
  }
  saved_[depth_++] = context;
}

bool ContextHelp::Register(HWND dialog, int context) {
  if (!hook_) {
    hook_ = SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, GetCurrentThreadId());
    if (!hook_) return false;
  }
  active_ = this;
  Push(current_);
  current_ = context;
  dialog_ = dialog;
  return true;
}

void ContextHelp::Unregister() {
  if (hook_) {
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }
  if (active_ == this) active_ = nullptr;
  if (depth_ > 0) current_ = saved_[--depth_];
  dialog_ = nullptr;
}

void ContextHelp::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  Unregister();
  if (file_[0]) WinHelpA(owner_, file_, HELP_QUIT, 0);
}

bool ContextHelp::OnKey(WPARAM key, LPARAM flags) {
  if (key != VK_F1 || !dialog_ || GetActiveWindow() != dialog_) return false;
  bool firstPress = (flags & 0xFFFF) == 1 && (flags & 0x80000000) == 0;
  if (firstPress) PostMessageA(owner_, WM_COMMAND, static_cast<WPARAM>(command_), 0);
  return true;
}

LRESULT CALLBACK ContextHelp::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && active_ && active_->OnKey(wParam, lParam)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
