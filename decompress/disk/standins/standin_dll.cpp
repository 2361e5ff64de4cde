// A stand-in for a redistributable run-time library the packager did not
// supply: it exports nothing and carries version 0.0.0.0, so the setup
// engine's version policy never lets it replace a real copy.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
