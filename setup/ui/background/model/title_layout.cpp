#include "ui/background/model/title_layout.h"

#include "ui/dialogs/model/per_mille.h"

#include <cstdint>

TitlePlacement PlaceTitleLine(int screenWidth, int screenHeight, int xPerMille, int yPerMille,
                              int widthPerMille, int heightPerMille) {
  return TitlePlacement{PerMilleOf(screenWidth, xPerMille), PerMilleOf(screenHeight, yPerMille),
                        PerMilleOf(screenWidth, widthPerMille),
                        PerMilleOf(screenHeight, heightPerMille)};
}

namespace {

// numerator / denominator rounded to nearest, halves away from zero.
int RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const std::int64_t half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                         : (numerator - half) / denominator);
}

}  // namespace

int StretchedCharWidth(int averageWidth, int targetWidth, int measuredWidth) {
  if (measuredWidth <= 0) return 0;
  return RoundedQuotient(static_cast<std::int64_t>(averageWidth) * targetWidth, measuredWidth);
}

ShadowOffset TitleShadowOffset(int shadow, int px, int py) {
  if (shadow == 1) return ShadowOffset{px / 2, py / 2};
  if (shadow == 2) return ShadowOffset{px, py};
  return ShadowOffset{0, 0};
}

void TitleBounds::Add(int left, int top, int right, int bottom) {
  if (empty_) {
    minX_ = left;
    minY_ = top;
    maxX_ = right;
    maxY_ = bottom;
    empty_ = false;
    return;
  }
  if (left < minX_) minX_ = left;
  if (top < minY_) minY_ = top;
  if (right > maxX_) maxX_ = right;
  if (bottom > maxY_) maxY_ = bottom;
}
