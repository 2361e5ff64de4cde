#include "ui/background/icon_window.h"

#include "base/failure_report.h"
#include "resources/string_ids.h"
#include "ui/background/background_window.h"
#include "ui/background/model/button_model.h"
#include "ui/dialogs/screen_metrics.h"

WindowCreationRecord FullScreenRecord(DWORD style, const char* title) {
  WindowCreationRecord rec;
  rec.left = 0;
  rec.top = 0;
  rec.width = ScreenWidth();
  rec.height = ScreenHeight();
  rec.title = title;
  rec.parent = GetDesktopWindow();
  rec.style = style;
  return rec;
}

bool IconWindow::Create(FailureReport& reports, const char* productName) {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), "ICONFINSTALL");
  WindowClassRecord cls;
  cls.name = kIconWindowClass;
  cls.icon = icon_;
  RegisterSetupClass(cls);
  // The copy phase puts the percentage in the title; until then the text is
  // shown as it stands, unformatted.
  if (!SetupWindow::Create(cls, FullScreenRecord(kIconWindowStyle, "Copying: 0%%"))) {
    reports.Report(kFileOpGeneral, kStrNoIconWindow);
    return false;
  }
  SetWindowTextA(Handle(), productName ? productName : "");
  ShowWindow(Handle(), SW_SHOWMINIMIZED);
  ShowWindow(Handle(), SW_HIDE);
  return true;
}

LRESULT IconWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && background_) {
    switch (wParam & 0xFFF0) {
      case SC_RESTORE:
      case SC_MAXIMIZE:
        background_->Restore();
        return 0;
      case SC_CLOSE:
        background_->Restore();
        PostMessageA(background_->Handle(), WM_COMMAND, kCloseCommand, 0);
        return 0;
      default:
        break;
    }
  }
  return SetupWindow::HandleMessage(message, wParam, lParam);
}
