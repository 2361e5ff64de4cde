// Screen metrics: W and H are the screen's width and height in pixels;
// positions on the setup background are given per mille of them.
#pragma once

int ScreenWidth();
int ScreenHeight();
int ScreenXPerMille(int perMille);  // W × p / 1000, rounded
int ScreenYPerMille(int perMille);  // H × p / 1000, rounded
