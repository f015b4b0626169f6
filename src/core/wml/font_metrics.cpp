#include "core/wml/font_metrics.h"

namespace markloom {

int fontPixelHeight(int points, int pixelsPerInch) {
  const long long scaled = static_cast<long long>(points) * pixelsPerInch;
  return static_cast<int>(scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72));
}

}  // namespace markloom
