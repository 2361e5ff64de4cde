// Context help of the setup engine: the help file, the current context with
// a stack of saved ones, and F1 in the dialog currently registered. There is
// one instance; the install sequence makes it with the background window as
// owner and command 102.
#pragma once

#include <windows.h>

constexpr int kHelpStackDepth = 10;
constexpr int kNoContext = -1;

class ContextHelp {
 public:
  ContextHelp(const char* helpFile, HWND owner, int command);
  ~ContextHelp();  // Destroy
  ContextHelp(const ContextHelp&) = delete;
  ContextHelp& operator=(const ContextHelp&) = delete;

  void ShowCurrent() { ShowContext(current_); }
  void ShowContext(int context) { Show(HELP_CONTEXT, static_cast<ULONG_PTR>(context)); }
  void HelpOnHelp() { Show(HELP_HELPONHELP, 0); }
  void SearchKey(const char* key) { Show(HELP_KEY, reinterpret_cast<ULONG_PTR>(key)); }
  void SearchPartialKey(const char* key) {
    Show(HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(key));
  }
  // The viewer for the file with the command, or the fallback notice when
  // the file is missing or a context request names context -1.
  void Show(UINT command, ULONG_PTR data);

  // Installs the keyboard hook; when it is in place, saves the current
  // context (dropping the oldest of ten) and makes context current.
  bool Register(HWND dialog, int context);
  // Removes the hook, restores the last saved context, forgets the dialog.
  void Unregister();
  // Unregisters and tells the viewer to quit for the file.
  void Destroy();

  int Current() const { return current_; }
  int SavedCount() const { return depth_; }
  int Saved(int i) const { return saved_[i]; }  // 0 oldest
  HWND Dialog() const { return dialog_; }
  HWND Owner() const { return owner_; }
  int Command() const { return command_; }
  const char* File() const { return file_; }

  // The hook's decision for one keyboard event: true when the key is
  // swallowed (F1 while the registered dialog is active); posts the help
  // command to the owner on the first key-down only.
  bool OnKey(WPARAM key, LPARAM flags);

 private:
  static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
  void Push(int context);

  // The object registered last, through which KeyboardHook finds its help:
  // a keyboard hook procedure is handed no data of its own.
  static ContextHelp* active_;

  char file_[MAX_PATH] = {0};
  HWND owner_;
  int command_;
  int current_ = kNoContext;
  int saved_[kHelpStackDepth] = {0};
  int depth_ = 0;
  HWND dialog_ = nullptr;
  HHOOK hook_ = nullptr;
  bool destroyed_ = false;
};
