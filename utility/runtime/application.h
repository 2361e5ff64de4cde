// The services of the utility's GUI runtime: message boxes with the
// application's title, beep, the mouse pointer, processing pending events,
// the message loop, detection of a running instance and the program folder.
#pragma once

#include <windows.h>

#include <string>

namespace kelvane {

class Form;

namespace app {

// Shown on message boxes that give no title of their own.
extern const char kTitle[];

enum class Pointer { Default = 0, Hourglass = 11 };

bool Init(HINSTANCE instance);
HINSTANCE Instance();
HFONT Font();

// True when another copy of the program is already running.
bool PreviousInstance();

std::string ProgramFolder();

int MsgBox(const std::string& prompt, UINT flags, const char* title = nullptr);
void Beep();
void SetPointer(Pointer pointer);
Pointer CurrentPointer();
void DoEvents();

// The main form receives the keyboard shortcuts of its menu.
void SetMainForm(Form* form, HACCEL shortcuts);
Form* MainForm();
// Runs until End; one modal form may be active at a time on top of it.
int Run();
// Dispatches one retrieved message the way the loop does (shortcuts, Enter
// and Esc for the active form).
void Dispatch(MSG& msg);
// Ends the program: every loop returns and the process exits with 0.
[[noreturn]] void End();

}  // namespace app
}  // namespace kelvane
