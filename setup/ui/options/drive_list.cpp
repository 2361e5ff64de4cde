#include "ui/options/drive_list.h"

#include "base/disk_space.h"
#include "ui/options/model/component_space.h"

#include <cstdio>

int FillDriveList(HWND list) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  int count = 0;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    char root[4] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type != DRIVE_FIXED && type != DRIVE_REMOTE) continue;
    char name[3] = {letter, ':', '\0'};
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ++count;
  }
  if (count) SendMessageA(list, CB_SETCURSEL, 0, 0);
  return count;
}

void ShowFreeSpace(HWND list, HWND field, DiskSpace& disk) {
  const LRESULT chosen = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (chosen == CB_ERR) return;
  char name[8] = {0};
  if (SendMessageA(list, CB_GETLBTEXTLEN, chosen, 0) >= static_cast<LRESULT>(sizeof name - 1))
    return;
  SendMessageA(list, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(name));
  char root[sizeof name + 1];
  std::snprintf(root, sizeof root, "%s\\", name);
  double kilobytes = 0;
  if (!disk.FreeSpace(root, kilobytes)) return;
  char text[32];
  std::snprintf(text, sizeof text, "%lu K", WholeKilobytes(kilobytes));
  SetWindowTextA(field, text);
}
