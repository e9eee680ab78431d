// The shadow of the moon control: the unlit part of the disc painted black
// over the full-moon picture, one row at a time.
#pragma once

class QImage;

namespace tolvex {

// The disc of a moon picture: centre and radius in pixels.
struct TMoonDisc {
  int xc;
  int yc;
  int r;
};

// Paints the shadow of phase angle `angle` (degrees, 0..360) on `picture`.
void PaintMoonShadow(QImage& picture, long double angle, const TMoonDisc& disc);

}  // namespace tolvex
