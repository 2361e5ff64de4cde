// DrawingSurface: a device context together with how it was obtained and how
// it must be given back. Rectangles handed to it are inclusive (the right
// column and bottom row are drawn) and are widened by one pixel for the
// platform.
#pragma once

#include "base/inclusive_rect.h"

#include <windows.h>

class DrawingSurface {
 public:
  enum Kind {
    kBorrowed = 0,     // a paint context; not released
    kWindow = 1,       // a window's context; released to the window
    kDevice = 2,       // created for a device ("display" by default); deleted
    kMemory = 3,       // compatible with another surface; deleted
    kInformation = 4,  // information context for a device; deleted
  };

  DrawingSurface() = default;
  ~DrawingSurface() { Release(); }
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  // Each first releases a context the surface still holds; false (and no
  // context) when the platform refuses.
  bool Borrow(HDC dc, int width, int height);
  bool OpenWindow(HWND window);  // the client area's size
  bool OpenDevice(const char* device = nullptr);
  bool OpenMemory(const DrawingSurface& like);  // like's width and height
  bool OpenInformation(const char* device = nullptr);
  void Release();

  Kind kind() const { return kind_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Dc() const { return dc_; }
  HWND Window() const { return window_; }

  HGDIOBJ Select(HGDIOBJ object);  // answers the object it replaced
  bool WriteText(int x, int y, const char* text);
  bool MeasureText(const char* text, SIZE& size) const;
  int TextWidth(const char* text) const;
  int TextHeight(const char* text) const;
  bool Metrics(TEXTMETRICA& metrics) const;

  bool FillWithBrush(const InclusiveRect& rect, HBRUSH brush);
  bool FillWithColour(const InclusiveRect& rect, COLORREF colour);
  bool CopyBits(int x, int y, int width, int height, const DrawingSurface& source, int sx, int sy,
                DWORD rop = SRCCOPY);
  bool StretchBits(int x, int y, int width, int height, const DrawingSurface& source, int sx,
                   int sy, int swidth, int sheight, DWORD rop = SRCCOPY);
  bool MoveTo(int x, int y);
  bool LineTo(int x, int y);
  bool DrawRect(const InclusiveRect& rect);  // current pen and brush
  bool DrawEllipse(const InclusiveRect& rect);
  bool DrawPolygon(const POINT* points, int count);
  bool DrawArc(const InclusiveRect& bounds, int startX, int startY, int endX, int endY);
  COLORREF SetPixelColour(int x, int y, COLORREF colour);
  COLORREF PixelColour(int x, int y) const;

  bool ClipTo(const InclusiveRect& rect);
  bool ClipToRegion(HRGN region);  // null removes the clipping
  int SetMapping(int mode);        // each answers the previous setting
  int SetBackgroundMode(int mode);
  COLORREF SetTextColour(COLORREF colour);
  UINT SetTextAlignment(UINT alignment);
  int Capability(int index) const;

  double PixelsPerMillimetreX() const;
  double PixelsPerMillimetreY() const;
  double PixelsPerPointX() const;
  double PixelsPerPointY() const;
  double MillimetresFromPixelsX(int pixels) const;
  double MillimetresFromPixelsY(int pixels) const;

 private:
  bool Hold(Kind kind, HDC dc, HWND window, int width, int height);
  bool SizeFromDevice(Kind kind, HDC dc);

  Kind kind_ = kBorrowed;
  HDC dc_ = nullptr;
  HWND window_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
