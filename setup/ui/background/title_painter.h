// Draws the background's title: every line in a font stretched to the
// line's target width, with its drop shadow, composed off-screen over what
// the screen already shows and copied in one step. A line that cannot be
// fetched or a font that cannot be made skips the whole title.
#pragma once

#include "ui/background/model/title_layout.h"
#include "base/title_line.h"

#include <windows.h>

struct LaidOutTitleLine {
  HFONT font = nullptr;  // the caller deletes it
  int x = 0;             // position on a W × H screen
  int y = 0;
  int width = 0;  // the text measured in font
  int height = 0;
  int charWidth = 0;  // the font's character width
  ShadowOffset shadow{0, 0};
};

// Makes the line's final font: first at its natural width, then again with
// the character width that makes the measured text fill the target width.
bool LayOutTitleLine(HDC dc, const TitleLine& line, int screenWidth, int screenHeight, int px,
                     int py, LaidOutTitleLine& out);

// Draws the source's lines onto dc, a W × H screen.
void PaintTitle(HDC dc, TitleSource& source, int screenWidth, int screenHeight);
