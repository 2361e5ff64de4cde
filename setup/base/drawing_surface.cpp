#include "base/drawing_surface.h"

#include "base/numeric.h"

#include <cstring>

namespace {

RECT PlatformRect(const InclusiveRect& rect) {
  PlatformEdges e = WidenForPlatform(rect);
  RECT r = {e.left, e.top, e.right, e.bottom};
  return r;
}

const char* DeviceName(const char* device) { return device ? device : "DISPLAY"; }

}  // namespace

bool DrawingSurface::Hold(Kind kind, HDC dc, HWND window, int width, int height) {
  if (!dc) return false;
  kind_ = kind;
  dc_ = dc;
  window_ = window;
  width_ = width;
  height_ = height;
  return true;
}

bool DrawingSurface::SizeFromDevice(Kind kind, HDC dc) {
  if (!dc) return false;
  return Hold(kind, dc, nullptr, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
}

bool DrawingSurface::Borrow(HDC dc, int width, int height) {
  Release();
  return Hold(kBorrowed, dc, nullptr, width, height);
}

bool DrawingSurface::OpenWindow(HWND window) {
  Release();
  if (!window) return false;
  RECT client = {0, 0, 0, 0};
  if (!GetClientRect(window, &client)) return false;
  return Hold(kWindow, GetDC(window), window, client.right - client.left,
              client.bottom - client.top);
}

bool DrawingSurface::OpenDevice(const char* device) {
  Release();
  return SizeFromDevice(kDevice, CreateDCA(DeviceName(device), nullptr, nullptr, nullptr));
}

bool DrawingSurface::OpenMemory(const DrawingSurface& like) {
  if (&like == this || !like.dc_) return false;
  Release();
  return Hold(kMemory, CreateCompatibleDC(like.dc_), nullptr, like.width_, like.height_);
}

bool DrawingSurface::OpenInformation(const char* device) {
  Release();
  return SizeFromDevice(kInformation, CreateICA(DeviceName(device), nullptr, nullptr, nullptr));
}

void DrawingSurface::Release() {
  if (dc_) {
    switch (kind_) {
      case kBorrowed:
        break;
      case kWindow:
        ReleaseDC(window_, dc_);
        break;
      case kDevice:
      case kMemory:
      case kInformation:
        DeleteDC(dc_);
        break;
    }
  }
  kind_ = kBorrowed;
  dc_ = nullptr;
  window_ = nullptr;
  width_ = height_ = 0;
}

HGDIOBJ DrawingSurface::Select(HGDIOBJ object) { return SelectObject(dc_, object); }

bool DrawingSurface::WriteText(int x, int y, const char* text) {
  return text && TextOutA(dc_, x, y, text, static_cast<int>(std::strlen(text))) != FALSE;
}

bool DrawingSurface::MeasureText(const char* text, SIZE& size) const {
  size.cx = size.cy = 0;
  return text &&
         GetTextExtentPoint32A(dc_, text, static_cast<int>(std::strlen(text)), &size) != FALSE;
}

int DrawingSurface::TextWidth(const char* text) const {
  SIZE size;
  MeasureText(text, size);
  return size.cx;
}

int DrawingSurface::TextHeight(const char* text) const {
  SIZE size;
  MeasureText(text, size);
  return size.cy;
}

bool DrawingSurface::Metrics(TEXTMETRICA& metrics) const {
  return GetTextMetricsA(dc_, &metrics) != FALSE;
}

bool DrawingSurface::FillWithBrush(const InclusiveRect& rect, HBRUSH brush) {
  RECT r = PlatformRect(rect);
  return FillRect(dc_, &r, brush) != 0;
}

bool DrawingSurface::FillWithColour(const InclusiveRect& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return false;
  bool ok = FillWithBrush(rect, brush);
  DeleteObject(brush);
  return ok;
}

bool DrawingSurface::CopyBits(int x, int y, int width, int height, const DrawingSurface& source,
                              int sx, int sy, DWORD rop) {
  return BitBlt(dc_, x, y, width, height, source.dc_, sx, sy, rop) != FALSE;
}

bool DrawingSurface::StretchBits(int x, int y, int width, int height, const DrawingSurface& source,
                                 int sx, int sy, int swidth, int sheight, DWORD rop) {
  return StretchBlt(dc_, x, y, width, height, source.dc_, sx, sy, swidth, sheight, rop) != FALSE;
}

bool DrawingSurface::MoveTo(int x, int y) { return MoveToEx(dc_, x, y, nullptr) != FALSE; }

bool DrawingSurface::LineTo(int x, int y) { return ::LineTo(dc_, x, y) != FALSE; }

bool DrawingSurface::DrawRect(const InclusiveRect& rect) {
  RECT r = PlatformRect(rect);
  return Rectangle(dc_, r.left, r.top, r.right, r.bottom) != FALSE;
}

bool DrawingSurface::DrawEllipse(const InclusiveRect& rect) {
  RECT r = PlatformRect(rect);
  return Ellipse(dc_, r.left, r.top, r.right, r.bottom) != FALSE;
}

bool DrawingSurface::DrawPolygon(const POINT* points, int count) {
  return points && count > 0 && Polygon(dc_, points, count) != FALSE;
}

bool DrawingSurface::DrawArc(const InclusiveRect& bounds, int startX, int startY, int endX,
                             int endY) {
  RECT r = PlatformRect(bounds);
  return Arc(dc_, r.left, r.top, r.right, r.bottom, startX, startY, endX, endY) != FALSE;
}

COLORREF DrawingSurface::SetPixelColour(int x, int y, COLORREF colour) {
  return SetPixel(dc_, x, y, colour);
}

COLORREF DrawingSurface::PixelColour(int x, int y) const { return GetPixel(dc_, x, y); }

bool DrawingSurface::ClipTo(const InclusiveRect& rect) {
  RECT r = PlatformRect(rect);
  HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom);
  if (!region) return false;
  bool ok = ClipToRegion(region);
  DeleteObject(region);  // the context keeps its own copy
  return ok;
}

bool DrawingSurface::ClipToRegion(HRGN region) { return SelectClipRgn(dc_, region) != ERROR; }

int DrawingSurface::SetMapping(int mode) { return SetMapMode(dc_, mode); }

int DrawingSurface::SetBackgroundMode(int mode) { return SetBkMode(dc_, mode); }

COLORREF DrawingSurface::SetTextColour(COLORREF colour) { return SetTextColor(dc_, colour); }

UINT DrawingSurface::SetTextAlignment(UINT alignment) { return SetTextAlign(dc_, alignment); }

int DrawingSurface::Capability(int index) const { return dc_ ? GetDeviceCaps(dc_, index) : 0; }

double DrawingSurface::PixelsPerMillimetreX() const {
  return PixelsPerMillimetre(Capability(HORZRES), Capability(HORZSIZE));
}

double DrawingSurface::PixelsPerMillimetreY() const {
  return PixelsPerMillimetre(Capability(VERTRES), Capability(VERTSIZE));
}

double DrawingSurface::PixelsPerPointX() const { return PixelsPerPoint(Capability(LOGPIXELSX)); }

double DrawingSurface::PixelsPerPointY() const { return PixelsPerPoint(Capability(LOGPIXELSY)); }

double DrawingSurface::MillimetresFromPixelsX(int pixels) const {
  return MillimetresFromPixels(pixels, Capability(LOGPIXELSX));
}

double DrawingSurface::MillimetresFromPixelsY(int pixels) const {
  return MillimetresFromPixels(pixels, Capability(LOGPIXELSY));
}
