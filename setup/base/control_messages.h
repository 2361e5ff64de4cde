// Thin wrappers that send the platform's standard list box, combo box,
// button and window messages to a control of a dialog and return the
// platform's answer unchanged.
#pragma once

#include <windows.h>

namespace control_detail {
inline LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}
inline LPARAM TextParam(const char* text) { return reinterpret_cast<LPARAM>(text); }
}  // namespace control_detail

// The item messages of list boxes and combo boxes: the same operations
// under different message codes.
struct ItemMessages {
  UINT add;
  UINT insert;
  UINT remove;
  UINT select;
  UINT selection;
  UINT count;
  UINT text;
  UINT textLength;
};
constexpr ItemMessages kListBoxItems = {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                        LB_SETCURSEL, LB_GETCURSEL,    LB_GETCOUNT,
                                        LB_GETTEXT,   LB_GETTEXTLEN};
constexpr ItemMessages kComboBoxItems = {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                                         CB_SETCURSEL, CB_GETCURSEL,    CB_GETCOUNT,
                                         CB_GETLBTEXT, CB_GETLBTEXTLEN};

inline LRESULT ItemAdd(const ItemMessages& m, HWND d, int id, const char* text) {
  return control_detail::Send(d, id, m.add, 0, control_detail::TextParam(text));
}
inline LRESULT ItemInsert(const ItemMessages& m, HWND d, int id, int index, const char* text) {
  return control_detail::Send(d, id, m.insert, static_cast<WPARAM>(index),
                              control_detail::TextParam(text));
}
inline LRESULT ItemDelete(const ItemMessages& m, HWND d, int id, int index) {
  return control_detail::Send(d, id, m.remove, static_cast<WPARAM>(index), 0);
}
inline LRESULT ItemSelect(const ItemMessages& m, HWND d, int id, int index) {
  return control_detail::Send(d, id, m.select, static_cast<WPARAM>(index), 0);
}
inline LRESULT ItemSelection(const ItemMessages& m, HWND d, int id) {
  return control_detail::Send(d, id, m.selection, 0, 0);
}
inline LRESULT ItemCount(const ItemMessages& m, HWND d, int id) {
  return control_detail::Send(d, id, m.count, 0, 0);
}
// The buffer must hold ItemTextLength + 1 characters.
inline LRESULT ItemText(const ItemMessages& m, HWND d, int id, int index, char* buffer) {
  return control_detail::Send(d, id, m.text, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(buffer));
}
inline LRESULT ItemTextLength(const ItemMessages& m, HWND d, int id, int index) {
  return control_detail::Send(d, id, m.textLength, static_cast<WPARAM>(index), 0);
}

// List boxes only.
inline LRESULT ListTopIndex(HWND d, int id) {
  return control_detail::Send(d, id, LB_GETTOPINDEX, 0, 0);
}
inline LRESULT ListSetTopIndex(HWND d, int id, int index) {
  return control_detail::Send(d, id, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}
inline LRESULT ListItemHeight(HWND d, int id, int index) {
  return control_detail::Send(d, id, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0);
}
inline LRESULT ListSetHorizontalExtent(HWND d, int id, int pixels) {
  return control_detail::Send(d, id, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

// Buttons.
inline LRESULT ButtonCheckState(HWND d, int id) {
  return control_detail::Send(d, id, BM_GETCHECK, 0, 0);
}
inline LRESULT ButtonSetCheck(HWND d, int id, int state) {
  return control_detail::Send(d, id, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}
inline LRESULT ButtonSetStyle(HWND d, int id, DWORD style, bool redraw) {
  return control_detail::Send(d, id, BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

// Any control.
inline LRESULT ControlSetFont(HWND d, int id, HFONT font, bool redraw) {
  return control_detail::Send(d, id, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                              redraw ? TRUE : FALSE);
}
inline LRESULT ControlFont(HWND d, int id) { return control_detail::Send(d, id, WM_GETFONT, 0, 0); }
inline LRESULT ControlSetRedraw(HWND d, int id, bool redraw) {
  return control_detail::Send(d, id, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
}
inline BOOL ControlDestroy(HWND d, int id) { return DestroyWindow(GetDlgItem(d, id)); }
// A static control's icon, or its image (bitmap, cursor or icon) by type.
inline LRESULT StaticSetIcon(HWND d, int id, HICON icon) {
  return control_detail::Send(d, id, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}
inline LRESULT StaticSetImage(HWND d, int id, UINT type, HANDLE image) {
  return control_detail::Send(d, id, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
}
