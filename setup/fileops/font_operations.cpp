// Fonts: a font file is added to the system's font table and every
// top-level window is told that the fonts changed.
#include "fileops/font_operations.h"

#include <windows.h>

#include "fileops/operation_context.h"

#include "resources/string_ids.h"

bool FontOperations::InstallFont(const char* path, int32_t flag) {
  if (context_.RecordsLost()) return false;
  if (!path || AddFontResourceA(path) == 0) {
    context_.Report(kFileOpGeneral, kStrInstallFont);
    return false;
  }
  SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
  context_.Recorder().FontInstalled(path, flag);
  return !context_.RecordsLost();
}
