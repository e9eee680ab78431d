// The pictures of the bar's header, drawn rather than stored: the main
// button's glyph and the small state images.
#pragma once

#include <QPixmap>

namespace tolvex {

enum TAppBarEdge : int;

// The 16 × 16 glyph of the main button: a small bar with three launchers.
QPixmap MainButtonGlyph(double devicePixelRatio);

// The images of the small state buttons, 16 × 8 each, in list order; the
// auto-hide pictures of a bar at the right edge are the mirror images of
// those at the left. Each carries a dark outline, so that it stays readable
// on the header and on the light face of a hot button alike.
enum TSmallButtonImage : int {
  sbAlwaysOnTopOn = 0,
  sbAlwaysOnTopOff = 1,
  sbAutoHideOn = 2,
  sbAutoHideOff = 3,
  sbAutoHideNotAvailable = 4,
  sbAutoHideOnRight = 5,
  sbAutoHideOffRight = 6,
};
QPixmap SmallButtonImage(TSmallButtonImage image);

// The auto-hide button's image for a bar at `edge` (floating: not available).
TSmallButtonImage AutoHideImage(TAppBarEdge edge, bool on);

}  // namespace tolvex
