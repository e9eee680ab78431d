// Row-by-row shadow painting.
#include "snapins/clock/moon_shadow.h"

#include <QImage>
#include <algorithm>
#include <cmath>

#include "snapins/clock/moon_phase.h"

namespace tolvex {

namespace {

// A line from `from` towards `to` in row `y`: it covers its start pixel and
// every pixel up to, but not including, its end pixel.
void DrawRowLine(QImage& picture, int from, int to, int y) {
  if (y < 0 || y >= picture.height() || from == to) return;
  const int first = from < to ? from : to + 1;
  const int last = from < to ? to - 1 : from;
  for (int x = std::max(first, 0); x <= std::min(last, picture.width() - 1); ++x) {
    picture.setPixel(x, y, qRgb(0, 0, 0));
  }
}

}  // namespace

void PaintMoonShadow(QImage& picture, long double angle, const TMoonDisc& disc) {
  const long double c = CosDeg(angle);
  for (int y = 0; y <= disc.r; ++y) {
    const long double h = std::sqrt(static_cast<long double>(disc.r * disc.r - y * y));
    const int w = static_cast<int>(RoundHalfEven(h));
    const int s = static_cast<int>(RoundHalfEven(h * c));
    // Waxing: the shadow runs from the terminator to the left limb; waning:
    // to the right limb.
    const int from = angle < 180 ? disc.xc - s : disc.xc + s;
    const int to = angle < 180 ? disc.xc - w - 1 : disc.xc + w + 1;
    DrawRowLine(picture, from, to, disc.yc + y);
    DrawRowLine(picture, from, to, disc.yc - y);
  }
}

}  // namespace tolvex
