// Fonts: a font file is added to the system's font table and every
// top-level window is told that the fonts changed.
#include "fileops/file_operations.h"

#include "resources/string_ids.h"

bool FileOperations::InstallFont(const char* path, int32_t flag) {
  if (RecordsLost()) return false;
  if (!path || AddFontResourceA(path) == 0) {
    Report(kFileOpGeneral, kStrInstallFont);
    return false;
  }
  SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
  Recorder().FontInstalled(path, flag);
  return !RecordsLost();
}
