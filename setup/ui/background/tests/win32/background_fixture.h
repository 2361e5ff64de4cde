// The background and icon window as the install sequence makes them, with a
// product whose title lines the test chooses, and small windows that stand
// in for the install sequence's dialogs.
#pragma once

#include "fileops/file_operations.h"
#include "ui/background/background_window.h"
#include "ui/background/icon_window.h"
#include "ui/dialogs/setup_window.h"
#include "base/title_line.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

#include <vector>

namespace bgtest {

constexpr char kProduct[] = "Configuration Haventide";

class Titles : public TitleSource {
 public:
  std::vector<TitleLine> lines;
  int failAt = -1;
  int TitleLineCount() override { return static_cast<int>(lines.size()); }
  bool GetTitleLine(int index, TitleLine& line) override {
    if (index == failAt) return false;
    line = lines[index];
    return true;
  }
};

// Serves waiting messages until none is left (or 5 s have passed).
inline void Pump() {
  const DWORD start = GetTickCount();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && GetTickCount() - start < 5000) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A captioned pop-up with a system menu that counts the Close commands it
// gets instead of closing; its Close item may be greyed.
class FakeDialog : public SetupWindow {
 public:
  int closeRequests = 0;
  bool Open(HWND owner, bool closeEnabled) {
    WindowClassRecord cls;
    cls.name = "wndclasstestdialog";
    RegisterSetupClass(cls);
    WindowCreationRecord rec;
    rec.left = 100;
    rec.top = 100;
    rec.width = 200;
    rec.height = 100;
    rec.title = "dialog";
    rec.parent = owner;
    rec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    if (!Create(cls, rec)) return false;
    if (!closeEnabled)
      EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    control = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, Handle(), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    return control != nullptr;
  }
  ~FakeDialog() override { Destroy(); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
      ++closeRequests;
      return 0;
    }
    return SetupWindow::HandleMessage(message, wParam, lParam);
  }
  HWND control = nullptr;
};

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ops.SetQuiet(true);
    ASSERT_TRUE(icon.Create(ops, kProduct));
    ASSERT_TRUE(background.Create(ops, kProduct));
  }
  void TearDown() override {
    background.Destroy();
    icon.Destroy();
    Pump();
  }
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

  EngineErrorBoxes boxes;

  FileOperations ops{boxes};
  Titles titles;
  IconWindow icon;
  BackgroundWindow background{icon, titles};
};

}  // namespace bgtest
