// kiverset: the setup engine installing Configuration Haventide. The
// command-line tail names the install source directory; without one the
// usage box is shown.
#include <windows.h>

#include <new>

#include "app/product_setup.h"
#include "app/setup_entry.h"

namespace {

SetupApplication* MakeHaventideSetup() { return new (std::nothrow) ProductSetup; }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunSetupProgram(MakeHaventideSetup); }
