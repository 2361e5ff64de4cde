// Stand-in for the uninstaller Vantrel3.exe until the real one is built:
// setup installs it and may start it with a log path; it does nothing.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
