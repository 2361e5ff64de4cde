// kelvane: backs up, restores and undoes the restore of the Windows 95 boot
// and configuration files.
#include <windows.h>

#include "forms/main_form.h"
#include "runtime/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!kelvane::app::Init(instance)) return 1;
  if (!kelvane::Main().Form_Load()) return 0;
  kelvane::app::Run();
  return 0;
}
