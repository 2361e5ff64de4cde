// One line of the background's title, and the source the background asks
// for them (the product definition). Positions and sizes are per mille of
// the screen.
#pragma once

#include <cstdint>

constexpr int kTitleTextChars = 128;

struct TitleLine {
  int x = 0;       // left edge, per mille of W
  int y = 0;       // top edge, per mille of H
  int height = 0;  // character height, per mille of H
  int width = 0;   // width the whole text is stretched or squeezed to, per mille of W
  int shadow = 0;  // 0 none, 1 light, 2 dark
  int bold = 0;    // non-zero: weight 700, else 400
  int italic = 0;
  char text[kTitleTextChars] = {0};
  char face[kTitleTextChars] = {0};
  std::uint32_t colour = 0;  // 0x00BBGGRR
};

class TitleSource {
 public:
  virtual ~TitleSource() = default;
  virtual int TitleLineCount() = 0;
  // False when the line cannot be given; the title is then not drawn.
  virtual bool GetTitleLine(int index, TitleLine& line) = 0;
};
