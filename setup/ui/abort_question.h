// The install sequence's abort question ("Query Abort"), where every Cancel
// of the setup engine leads. The install sequence provides it.
#pragma once

#include <windows.h>

// True when the user confirmed that the installation is to be abandoned;
// false returns to where Cancel was pressed. owner: the file operations'
// current owner window.
bool ConfirmAbort(HWND owner);
