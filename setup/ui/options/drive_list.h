// The drive list of the component dialog: every fixed and remote drive as
// "c:", in letter order, and the free space of the chosen one.
#pragma once

#include <windows.h>

class DiskSpace;

// Fills the drop-down list with the drives and selects the first; answers
// how many there are.
int FillDriveList(HWND list);
// Shows "%lu K" of the free space of the selected drive's root in field;
// leaves the field as it was when there is no selection or no answer.
void ShowFreeSpace(HWND list, HWND field, DiskSpace& disk);
