#include "runtime/form.h"

#include <commctrl.h>

#include "core/twips.h"
#include "runtime/application.h"

#include <string>

namespace kelvane {

namespace {

const char kFormClass[] = "HaventideForm";
Form* g_modal;

// The utility's forms are light grey (192, 192, 192).
HBRUSH GreyBrush() {
  static HBRUSH brush = CreateSolidBrush(RGB(192, 192, 192));
  return brush;
}

// The caption as shown: without the "&" that marks the access key.
std::string Shown(const char* caption) {
  std::string text;
  for (const char* p = caption; p && *p; ++p)
    if (*p != '&' || p[1] == '&') text += *p;
  return text;
}

int RightmostEdge(const std::vector<ControlLayout>& controls) {
  int edge = 0;
  for (const ControlLayout& c : controls)
    if (c.left + c.width > edge) edge = c.left + c.width;
  return edge;
}

// Widens every button whose caption would be cut off in font, to the width
// of the caption and the room a push button's border and focus rectangle
// take; moves what stands to its right on the same row over by as much, and
// grows the client width to hold it all. Buttons whose captions fit keep
// their width.
void FitButtons(std::vector<ControlLayout>& controls, int& clientWidth, HFONT font) {
  constexpr int kButtonMarginPixels = 12;
  const int rightmost = RightmostEdge(controls);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  for (ControlLayout& button : controls) {
    if (button.kind != ControlKind::Button) continue;
    std::string text = Shown(button.caption);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (extent.cx <= TwipsToPixels(button.width)) continue;
    const int needed = PixelsToTwips(extent.cx + kButtonMarginPixels);
    const int grow = needed - button.width;
    const int right = button.left + button.width;
    for (ControlLayout& other : controls) {
      const bool sameRow =
          other.top < button.top + button.height && button.top < other.top + other.height;
      if (&other != &button && sameRow && other.left >= right) other.left += grow;
    }
    button.width = needed;
  }
  const int grown = RightmostEdge(controls) - rightmost;
  if (grown > 0) clientWidth += grown;
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
}

RECT PixelRect(const ControlLayout& c) {
  RECT r;
  r.left = TwipsToPixels(c.left);
  r.top = TwipsToPixels(c.top);
  r.right = r.left + TwipsToPixels(c.width);
  r.bottom = r.top + TwipsToPixels(c.height);
  return r;
}

}  // namespace

Form::Form(const FormLayout& layout) : layout_(layout) {}

Form::~Form() { Unload(); }

bool Form::RegisterFormClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconProgram));
  wc.hCursor = nullptr;  // set per message, for the hourglass
  wc.hbrBackground = GreyBrush();
  wc.lpszClassName = kFormClass;
  return RegisterClassA(&wc) != 0;
}

Form* Form::Active() { return g_modal; }

bool Form::Load(HWND owner, HMENU menu) {
  if (hwnd_) return true;
  controls_ = layout_.controls;
  clientWidth_ = layout_.clientWidth;
  FitButtons(controls_, clientWidth_, app::Font());
  const bool isMain = owner == nullptr;
  DWORD style = WS_CAPTION | WS_SYSMENU | (isMain ? WS_MINIMIZEBOX | WS_OVERLAPPED : WS_POPUP);
  DWORD exStyle = isMain ? 0 : WS_EX_DLGMODALFRAME;
  RECT frame = {0, 0, TwipsToPixels(clientWidth_), TwipsToPixels(layout_.clientHeight)};
  AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (layout_.centred || isMain) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  hwnd_ = CreateWindowExA(exStyle, kFormClass, layout_.caption, style, x, y, width, height, owner,
                          menu, app::Instance(), this);
  if (!hwnd_) return false;
  CreateControls();
  defaultId_ = DefaultButton();
  return true;
}

void Form::CreateControls() {
  tooltips_ =
      CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, app::Instance(), nullptr);
  for (const ControlLayout& c : controls_) {
    const char* cls = "BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    const char* text = c.caption;
    switch (c.kind) {
      case ControlKind::Button:
        style |= WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
      case ControlKind::CheckBox:
        style |= WS_TABSTOP | BS_AUTOCHECKBOX;
        break;
      case ControlKind::Frame:
        style |= BS_GROUPBOX;
        break;
      case ControlKind::Label:
        cls = "STATIC";
        style |= SS_LEFT | SS_NOPREFIX;
        break;
      case ControlKind::Icon:
        cls = "STATIC";
        style |= SS_ICON;
        text = nullptr;
        break;
    }
    RECT r = PixelRect(c);
    HWND control = CreateWindowExA(
        0, cls, text, style, r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), app::Instance(), nullptr);
    if (!control) continue;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(app::Font()), FALSE);
    if (c.kind == ControlKind::CheckBox && c.checked)
      SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
    if (c.kind == ControlKind::Icon) {
      icon_ = LoadIconA(app::Instance(), MAKEINTRESOURCEA(c.iconResource));
      SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    }
    if (c.tooltip) AddTooltip(control, c.tooltip);
  }
}

void Form::AddTooltip(HWND control, const char* text) {
  if (!tooltips_) return;
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;  // the layout COMCTL32 4.00 of Windows 95 knows
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<char*>(text);
  SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Form::Unload() {
  if (!hwnd_) return;
  if (g_modal == this) g_modal = nullptr;
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  tooltips_ = nullptr;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

void Form::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Form::ShowModal() {
  if (!hwnd_ || modal_) return;
  // Every other visible form is disabled while this one is up.
  std::vector<HWND> disabled;
  Form* main = app::MainForm();
  if (main && main != this && main->hwnd_ && IsWindowEnabled(main->hwnd_))
    disabled.push_back(main->hwnd_);
  if (g_modal && g_modal != this && g_modal->hwnd_ && IsWindowEnabled(g_modal->hwnd_))
    disabled.push_back(g_modal->hwnd_);
  for (HWND w : disabled) EnableWindow(w, FALSE);

  Form* previous = g_modal;
  g_modal = this;
  modal_ = true;
  Show();
  SetFocus(GetNextDlgTabItem(hwnd_, nullptr, FALSE));
  TrackFocus();
  MSG msg;
  while (hwnd_ && IsWindowVisible(hwnd_)) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(0);
      break;
    }
    app::Dispatch(msg);
  }
  modal_ = false;
  g_modal = previous;
  for (HWND w : disabled) EnableWindow(w, TRUE);
  HWND back = previous && previous->hwnd_ ? previous->hwnd_ : (main ? main->hwnd_ : nullptr);
  if (back) SetActiveWindow(back);
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

HWND Form::Control(int id) const { return hwnd_ ? GetDlgItem(hwnd_, id) : nullptr; }

int Form::Value(int checkBoxId) const {
  return SendMessageA(Control(checkBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Form::SetValue(int checkBoxId, int value) {
  if (Value(checkBoxId) == value) return;
  SendMessageA(Control(checkBoxId), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  OnClick(checkBoxId);
}

void Form::SetEnabled(int controlId, bool enabled) {
  if (HWND control = Control(controlId)) {
    EnableWindow(control, enabled);
    return;
  }
  if (HMENU menu = GetMenu(hwnd_))
    EnableMenuItem(menu, controlId, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Form::Enabled(int controlId) const {
  if (HWND control = Control(controlId)) return IsWindowEnabled(control) != FALSE;
  HMENU menu = GetMenu(hwnd_);
  UINT state = menu ? GetMenuState(menu, controlId, MF_BYCOMMAND) : static_cast<UINT>(-1);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void Form::TrackFocus() {
  if (!hwnd_) return;
  HWND focus = GetFocus();
  if (focus == lastFocus_) return;
  lastFocus_ = focus;
  const int wanted = IsPushButton(focus) ? GetDlgCtrlID(focus) : DefaultButton();
  if (wanted == defaultId_) return;
  if (HWND before = Control(defaultId_)) SendMessageA(before, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (HWND now = Control(wanted)) SendMessageA(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  defaultId_ = wanted;
}

bool Form::IsPushButton(HWND control) const {
  if (!control || GetParent(control) != hwnd_) return false;
  const int id = GetDlgCtrlID(control);
  for (const ControlLayout& c : controls_)
    if (c.id == id) return c.kind == ControlKind::Button;
  return false;
}

int Form::DefaultButton() const {
  for (const ControlLayout& c : layout_.controls)
    if (c.isDefault) return c.id;
  return 0;
}

int Form::CancelButton() const {
  for (const ControlLayout& c : layout_.controls)
    if (c.isCancel) return c.id;
  return 0;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      if (id == IDCANCEL && lParam == 0) {
        // Esc: the cancel button, when it can be pressed.
        int cancel = CancelButton();
        if (cancel && IsWindowEnabled(Control(cancel))) OnClick(cancel);
        return 0;
      }
      if (lParam == 0 || code == BN_CLICKED) {
        HWND control = Control(id);
        if (control && !IsWindowEnabled(control)) return 0;
        if (!control && lParam == 0 && !Enabled(id)) return 0;  // a greyed menu command
        OnClick(id);
      }
      return 0;
    }
    case DM_GETDEFID: {
      const int id = defaultId_ ? defaultId_ : DefaultButton();
      return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL: {
      // Tab and Shift+Tab, as the dialog manager asks for them.
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
      if (next) SetFocus(next);
      TrackFocus();
      return 0;
    }
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SETCURSOR:
      if (app::CurrentPointer() == app::Pointer::Hourglass) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(192, 192, 192));
      return reinterpret_cast<LRESULT>(GreyBrush());
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form && message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  return form->HandleMessage(message, wParam, lParam);
}

}  // namespace kelvane
