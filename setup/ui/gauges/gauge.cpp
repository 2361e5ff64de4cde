#include "ui/gauges/gauge.h"

#include "base/gauge_painter.h"

void Gauge::SetValue(int value) {
  if (value < 0 || value > 100 || value == value_) return;
  value_ = value;
  RepaintNow();
}

void Gauge::RepaintNow() {
  HWND control = Control();
  if (!control) return;
  InvalidateRect(control, nullptr, FALSE);
  UpdateWindow(control);
}

LRESULT Gauge::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return PassOn(message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Control(), &ps);
  if (dc) Paint(dc);
  EndPaint(Control(), &ps);
  return 0;
}

void Gauge::Paint(HDC dc) {
  RECT client;
  GetClientRect(Control(), &client);
  PaintGauge(dc, client, value_, colour_);
}
