#include "base/gauge_geometry.h"

#include "base/numeric.h"

namespace {

// Rounded down also for negative sums.
int HalfDown(int sum) { return sum >= 0 ? sum / 2 : -((-sum + 1) / 2); }

}  // namespace

bool GaugeIsHorizontal(int width, int height) { return width >= height; }

int GaugeFilledLength(int value, int length) { return RoundToInt(value * 0.01 * length); }

GaugeLayout LayOutGauge(const GaugeArea& client, int value) {
  GaugeLayout layout;
  layout.filled = client;
  layout.empty = client;
  layout.horizontal = GaugeIsHorizontal(client.right - client.left, client.bottom - client.top);
  if (layout.horizontal) {
    int split = client.left + GaugeFilledLength(value, client.right - client.left);
    layout.filled.right = split;
    layout.empty.left = split;
  } else {
    int split = client.bottom - GaugeFilledLength(value, client.bottom - client.top);
    layout.filled.top = split;
    layout.empty.bottom = split;
  }
  return layout;
}

CaptionOrigin GaugeCaptionOrigin(const GaugeArea& client, bool horizontal, int textWidth,
                                 int textHeight) {
  int cx = HalfDown(client.left + client.right);
  int cy = HalfDown(client.top + client.bottom);
  if (horizontal) return CaptionOrigin{cx - textWidth / 2, cy - textHeight / 2};
  return CaptionOrigin{cx - textHeight / 2, cy + textWidth / 2};
}
