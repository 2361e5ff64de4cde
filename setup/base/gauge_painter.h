// The drawing of a gauge: the filled part in its colour, the rest white,
// the percentage in bold over both. The setup engine's Gauge draws itself
// with it, and so does the uninstaller's progress window.
#pragma once

#include <windows.h>

// client: the gauge's client rectangle; value 0 to 100.
void PaintGauge(HDC dc, const RECT& client, int value, COLORREF colour);
