#include "ui/options/option_tree.h"

#include "ui/dialogs/message_pump.h"
#include "ui/options/model/option_node.h"
#include "ui/options/option_painter.h"

#include <cstring>

const char OptionTree::kClassName[] = "wndclassopttree";

namespace {

// "helv", 9 points, bold.
HFONT TreeFont() {
  HDC screen = GetDC(nullptr);
  const int height = -(9 * GetDeviceCaps(screen, LOGPIXELSY) / 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "helv");
}

ScrollRequest RequestOf(WORD code, bool& known) {
  known = true;
  switch (code) {
    case SB_LINEUP:
      return kScrollLineBack;
    case SB_LINEDOWN:
      return kScrollLineOn;
    case SB_PAGEUP:
      return kScrollPageBack;
    case SB_PAGEDOWN:
      return kScrollPageOn;
    case SB_THUMBPOSITION:
      return kScrollThumb;
    case SB_TOP:
      return kScrollStart;
    case SB_BOTTOM:
      return kScrollEnd;
    default:
      known = false;
      return kScrollThumb;
  }
}

constexpr OptionTree::KeyBinding kVirtualKeys[] = {
    {VK_UP, kKeyUp},     {VK_DOWN, kKeyDown}, {VK_PRIOR, kKeyPageUp}, {VK_NEXT, kKeyPageDown},
    {VK_HOME, kKeyHome}, {VK_END, kKeyEnd},   {VK_LEFT, kKeyLeft},    {VK_RIGHT, kKeyRight},
};

// "+", "-" and Space come as characters, from the main keyboard and the
// numeric keypad alike.
constexpr OptionTree::KeyBinding kCharacters[] = {
    {'+', kKeyExpand},
    {'-', kKeyCollapse},
    {' ', kKeyToggle},
};

}  // namespace

OptionTree::OptionTree(bool alwaysShowGlyph, bool liveRepaint)
    : model_(alwaysShowGlyph, liveRepaint, *this, *this), font_(TreeFont()) {
  model_.SetRowHeight(DialogUnitsToPixelsY(9));
}

OptionTree::~OptionTree() {
  if (font_) DeleteObject(font_);
}

void OptionTree::SelectionChanged(OptionNode&) {}
void OptionTree::NodeChanged(OptionNode&) {}
void OptionTree::ChangesDone() {}

bool OptionTree::Attach(HWND dialog, int id, int placeholderId) {
  HWND placeholder = GetDlgItem(dialog, placeholderId);
  if (!placeholder) return false;
  RECT r;
  GetWindowRect(placeholder, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  ShowWindow(placeholder, SW_HIDE);
  dialog_ = dialog;

  WindowClassRecord cls;
  cls.name = kClassName;
  cls.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  RegisterSetupClass(cls);
  WindowCreationRecord rec;
  rec.left = r.left;
  rec.top = r.top;
  rec.width = r.right - r.left;
  rec.height = r.bottom - r.top;
  rec.title = "";
  rec.parent = dialog;
  rec.style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
  rec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  if (!Create(cls, rec)) return false;
  // The placeholder's place in the tab order.
  SetWindowPos(Handle(), placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(Handle(), &client);
  model_.SetClientSize(client.right, client.bottom);
  ResetScrollBars();
  return true;
}

LRESULT OptionTree::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      model_.SetClientSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      // The press decides the selection, not the focus it brings.
      pressing_ = true;
      SetFocus(Handle());
      pressing_ = false;
      model_.Press(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      bool known = false;
      ScrollRequest request = RequestOf(LOWORD(wParam), known);
      if (!known) return 0;
      const int thumb = static_cast<short>(HIWORD(wParam));
      if (message == WM_VSCROLL)
        model_.ScrollVertical(request, thumb);
      else
        model_.ScrollHorizontal(request, thumb);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      OnKey(kVirtualKeys, sizeof kVirtualKeys / sizeof kVirtualKeys[0], wParam);
      return 0;
    case WM_CHAR:
      OnKey(kCharacters, sizeof kCharacters / sizeof kCharacters[0], wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message == WM_SETFOCUS;
      if (focused_ && !pressing_) model_.FocusGained();
      if (model_.Selected() && model_.IsVisible(*model_.Selected())) RepaintRow(*model_.Selected());
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

void OptionTree::OnKey(const KeyBinding* bindings, int count, WPARAM key) {
  for (int i = 0; i < count; ++i)
    if (bindings[i].key == key) model_.Key(bindings[i].treeKey);
}

void OptionTree::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  if (!dc) return;
  HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
  const int rows = model_.PaintRows();
  for (int i = 0; i < rows; ++i) {
    OptionNode* node = model_.NodeAtRow(model_.FirstRow() + i);
    if (!node) break;
    RowPaint row;
    row.geometry = model_.Geometry(*node);
    row.clientWidth = model_.ClientWidth();
    row.kind = node->kind;
    row.state = node->state;
    if (node->HasChildren())
      row.glyph = node->expanded ? kGlyphBar : kGlyphPlus;
    else if (model_.GlyphShown(*node))
      row.glyph = kGlyphSquare;
    row.selected = node == model_.Selected();
    row.focused = focused_;
    row.text = node->text;
    PaintOptionRow(dc, row);
  }
  if (oldFont) SelectObject(dc, oldFont);
  EndPaint(Handle(), &ps);
}

void OptionTree::ResetScrollBars() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  SetScrollRange(hwnd, SB_HORZ, 0, model_.WidestRow(), FALSE);
  SetScrollPos(hwnd, SB_HORZ, model_.Offset(), TRUE);
  SetScrollRange(hwnd, SB_VERT, 0, model_.RowCount(), FALSE);
  SetScrollPos(hwnd, SB_VERT, model_.FirstRow(), TRUE);
}

void OptionTree::RepaintRow(const OptionNode& node) {
  if (!Handle()) return;
  const int top = (node.row - model_.FirstRow()) * model_.RowHeight();
  RECT r = {0, top, model_.ClientWidth(), top + model_.RowHeight()};
  InvalidateRect(Handle(), &r, TRUE);
}

void OptionTree::RepaintAll() {
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void OptionTree::UpdateNow() {
  if (Handle()) UpdateWindow(Handle());
}

// A move of one row scrolls what is shown and repaints only the strip it
// uncovers; any other move repaints everything.
void OptionTree::Scrolled(int rows, int pixels) {
  HWND hwnd = Handle();
  if (!hwnd) return;
  SetScrollPos(hwnd, SB_VERT, model_.FirstRow(), TRUE);
  SetScrollPos(hwnd, SB_HORZ, model_.Offset(), TRUE);
  if (pixels == 0 && (rows == 1 || rows == -1))
    ScrollWindow(hwnd, 0, -rows * model_.RowHeight(), nullptr, nullptr);
  else
    InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

void OptionTree::RangesChanged() { ResetScrollBars(); }

void OptionTree::LongWalk(bool begins) {
  if (begins)
    savedCursor_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  else
    SetCursor(savedCursor_);
}

void OptionTree::MeasureLabel(const char* text, int& width, int& height) {
  HDC dc = GetDC(Handle());
  HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
  if (oldFont) SelectObject(dc, oldFont);
  ReleaseDC(Handle(), dc);
  width = extent.cx;
  height = extent.cy;
}
