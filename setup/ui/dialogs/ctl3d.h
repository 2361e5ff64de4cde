// The optional 3-D control library ctl3d32.dll, taken from the platform's
// shared system directory. Registration is reference counted; only the
// first one loads the library, the last unregistration unloads it.
#pragma once

#include <windows.h>

// False when the library or one of its entries is missing (the install
// sequence goes on without it).
bool Register3dControls();
void Unregister3dControls();
// Gives one control the 3-D look when the library is loaded.
void Subclass3dControl(HWND control);

int Ctl3dReferenceCount();
bool Ctl3dLoaded();
