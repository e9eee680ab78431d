// The pictures of the bar's header, drawn rather than stored: the main
// button's glyph and the five small state images.
#pragma once

#include <QPixmap>

namespace tolvex {

// The 16 × 16 glyph of the main button: a small bar with three launchers.
QPixmap MainButtonGlyph(double devicePixelRatio);

// The images of the small state buttons, 16 × 8 each, in list order.
enum TSmallButtonImage : int {
  sbAlwaysOnTopOn = 0,
  sbAlwaysOnTopOff = 1,
  sbAutoHideOn = 2,
  sbAutoHideOff = 3,
  sbAutoHideNotAvailable = 4,
};
QPixmap SmallButtonImage(TSmallButtonImage image);

}  // namespace tolvex
