// Developer's checks: misuse of the engine's objects that a programmer must
// fix, told in a plain platform message box.
#pragma once

// "del() must be called before destruction": a setup object was destroyed
// while it still owned a window.
extern const char kDelBeforeDestruction[];

void ShowDeveloperCheck(const char* text);
