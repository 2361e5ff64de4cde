#include "ui/billboards/billboard_dialog.h"

#include "ui/billboards/model/billboard_layout.h"
#include "ui/billboards/resource_picture.h"

#include <algorithm>

BillboardDialog::~BillboardDialog() { Destroy(); }

bool BillboardDialog::Create(HWND parent, int templateId) {
  Destroy();
  return CreateModelessDialog(*this, parent, MAKEINTRESOURCEA(templateId));
}

void BillboardDialog::Destroy() {
  drawn_.clear();
  HWND board = Handle();
  if (board) DestroyWindow(board);
}

LRESULT BillboardDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      DeleteMenu(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND);
      // No focus: the billboard is shown without taking it from the copy.
      return FALSE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!item || item->CtlType != ODT_STATIC) return FALSE;
      DrawPicture(*item);
      return TRUE;
    }
    case kPictureDrawn:
      FitPicture(static_cast<int>(wParam), static_cast<std::uint32_t>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void BillboardDialog::DrawPicture(const DRAWITEMSTRUCT& item) {
  char text[kPictureNameChars + 1] = "";
  GetWindowTextA(item.hwndItem, text, sizeof text);
  const int planes = GetDeviceCaps(item.hDC, PLANES);
  const int bitsPerPixel = GetDeviceCaps(item.hDC, BITSPIXEL);
  ResourcePicture picture;
  if (!picture.Load(PictureNames(text, planes, bitsPerPixel))) return;
  picture.Draw(item.hDC, item.rcItem);
  const int id = static_cast<int>(item.CtlID);
  if (std::find(drawn_.begin(), drawn_.end(), id) != drawn_.end()) return;
  drawn_.push_back(id);
  PostMessageA(Handle(), kPictureDrawn, static_cast<WPARAM>(id),
               static_cast<LPARAM>(PackPictureSize(picture.Width(), picture.Height())));
}

void BillboardDialog::FitPicture(int id, std::uint32_t packedSize) {
  HWND control = GetDlgItem(Handle(), id);
  if (!control) return;
  EnableWindow(control, FALSE);
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
  const PictureRect now = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  const PictureRect fitted =
      ResizeAroundCentre(now, PackedPictureWidth(packedSize), PackedPictureHeight(packedSize));
  if (fitted == now) return;
  SetWindowPos(control, nullptr, fitted.left, fitted.top, fitted.width, fitted.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}
