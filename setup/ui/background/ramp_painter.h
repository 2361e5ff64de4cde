// Paints the colour ramp over an invalid rectangle in 16 × 16 cells,
// composed off-screen and copied in one step so the repaint does not flicker.
#pragma once

#include "base/inclusive_rect.h"
#include "ui/background/model/colour_ramp.h"

#include <windows.h>

// client and invalid are inclusive, in dc's coordinates. Without an
// off-screen bitmap the cells go straight to dc.
void PaintRamp(HDC dc, const InclusiveRect& client, const InclusiveRect& invalid,
               const RampColours& colours);
