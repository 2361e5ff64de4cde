// Form geometry is given in twips (1/1440 inch); at 96 dots per inch 15
// twips make one pixel.
#pragma once

namespace kelvane {

constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace kelvane
