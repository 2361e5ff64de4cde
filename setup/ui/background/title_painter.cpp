#include "ui/background/title_painter.h"

#include "base/numeric.h"

#include <cstring>

namespace {

// The record's text fields, cut at their own size should a product fill
// them without the terminating NUL.
struct LineTexts {
  char text[kTitleTextChars + 1];
  char face[kTitleTextChars + 1];
  explicit LineTexts(const TitleLine& line) {
    std::memcpy(text, line.text, kTitleTextChars);
    std::memcpy(face, line.face, kTitleTextChars);
    text[kTitleTextChars] = face[kTitleTextChars] = '\0';
  }
  int Length() const { return static_cast<int>(std::strlen(text)); }
};

HFONT MakeFont(const TitleLine& line, const char* face, int height, int width) {
  return CreateFontA(height, width, 0, 0, line.bold ? FW_BOLD : FW_NORMAL,
                     line.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

SIZE Measure(HDC dc, HFONT font, const char* text, int length, TEXTMETRICA* metrics) {
  SIZE size = {0, 0};
  HGDIOBJ old = SelectObject(dc, font);
  GetTextExtentPoint32A(dc, text, length, &size);
  if (metrics) GetTextMetricsA(dc, metrics);
  SelectObject(dc, old);
  return size;
}

void ScreenPixelsPerMillimetre(int& px, int& py) {
  HDC screen = GetDC(nullptr);
  px = RoundToInt(
      PixelsPerMillimetre(GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, HORZSIZE)));
  py = RoundToInt(
      PixelsPerMillimetre(GetDeviceCaps(screen, VERTRES), GetDeviceCaps(screen, VERTSIZE)));
  ReleaseDC(nullptr, screen);
}

void DrawLine(HDC dc, const LaidOutTitleLine& laid, const TitleLine& line, const char* text,
              int length, int x, int y) {
  HGDIOBJ old = SelectObject(dc, laid.font);
  if (line.shadow == 1 || line.shadow == 2) {
    SetTextColor(dc, line.shadow == 1 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    TextOutA(dc, x + laid.shadow.x, y + laid.shadow.y, text, length);
  }
  SetTextColor(dc, static_cast<COLORREF>(line.colour & 0xFFFFFF));
  TextOutA(dc, x, y, text, length);
  SelectObject(dc, old);
}

}  // namespace

bool LayOutTitleLine(HDC dc, const TitleLine& line, int screenWidth, int screenHeight, int px,
                     int py, LaidOutTitleLine& out) {
  const TitlePlacement place =
      PlaceTitleLine(screenWidth, screenHeight, line.x, line.y, line.width, line.height);
  const LineTexts texts(line);
  HFONT natural = MakeFont(line, texts.face, place.charHeight, 0);
  if (!natural) return false;
  TEXTMETRICA metrics = {};
  const SIZE measured = Measure(dc, natural, texts.text, texts.Length(), &metrics);
  DeleteObject(natural);
  const int charWidth = StretchedCharWidth(metrics.tmAveCharWidth, place.targetWidth, measured.cx);
  HFONT font = MakeFont(line, texts.face, place.charHeight, charWidth);
  if (!font) return false;
  const SIZE size = Measure(dc, font, texts.text, texts.Length(), nullptr);
  out.font = font;
  out.x = place.x;
  out.y = place.y;
  out.width = size.cx;
  out.height = size.cy;
  out.charWidth = charWidth;
  out.shadow = TitleShadowOffset(line.shadow, px, py);
  return true;
}

void PaintTitle(HDC dc, TitleSource& source, int screenWidth, int screenHeight) {
  const int count = source.TitleLineCount();
  if (count <= 0) return;
  int px = 0, py = 0;
  ScreenPixelsPerMillimetre(px, py);

  TitleBounds bounds;
  for (int i = 0; i < count; ++i) {
    TitleLine line;
    LaidOutTitleLine laid;
    if (!source.GetTitleLine(i, line) ||
        !LayOutTitleLine(dc, line, screenWidth, screenHeight, px, py, laid))
      return;
    DeleteObject(laid.font);
    bounds.Add(laid.x, laid.y, laid.x + laid.width + laid.shadow.x,
               laid.y + laid.height + laid.shadow.y);
  }

  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, bounds.Width(), bounds.Height()) : nullptr;
  if (!bitmap) {
    if (memory) DeleteDC(memory);
    return;
  }
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  // The ramp already drawn shows through between the letters.
  BitBlt(memory, 0, 0, bounds.Width(), bounds.Height(), dc, bounds.MinX(), bounds.MinY(), SRCCOPY);
  SetBkMode(memory, TRANSPARENT);
  bool complete = true;
  for (int i = 0; i < count && complete; ++i) {
    TitleLine line;
    LaidOutTitleLine laid;
    complete = source.GetTitleLine(i, line) &&
               LayOutTitleLine(memory, line, screenWidth, screenHeight, px, py, laid);
    if (!complete) break;
    const LineTexts texts(line);
    DrawLine(memory, laid, line, texts.text, texts.Length(), laid.x - bounds.MinX(),
             laid.y - bounds.MinY());
    DeleteObject(laid.font);
  }
  if (complete)
    BitBlt(dc, bounds.MinX(), bounds.MinY(), bounds.Width(), bounds.Height(), memory, 0, 0,
           SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}
