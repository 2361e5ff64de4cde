// A picture dialog the copy shows under its progress dialog. Its picture
// controls are owner-drawn statics whose text names a bitmap of the
// program's resources; once drawn, each control takes its bitmap's size
// around its old centre and is disabled. A picture that cannot be loaded
// leaves its control empty.
#pragma once

#include "ui/dialogs/dialog_object.h"

#include <cstdint>
#include <vector>

class BillboardDialog : public DialogObject {
 public:
  // Posted to itself after a control's first successful draw: the control's
  // identifier, and the bitmap's size packed by PackPictureSize.
  static constexpr UINT kPictureDrawn = 0x0301;

  ~BillboardDialog() override;
  // Makes the dialog from the template, hidden, under the parent (an open
  // one is destroyed first). False when the template cannot be loaded.
  bool Create(HWND parent, int templateId);
  void Destroy();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawPicture(const DRAWITEMSTRUCT& item);
  void FitPicture(int id, std::uint32_t packedSize);
  std::vector<int> drawn_;  // controls whose first draw has been reported
};
