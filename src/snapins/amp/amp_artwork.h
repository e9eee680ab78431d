// The remote panel's button pictures, drawn rather than stored.
#pragma once

#include <QPixmap>

namespace tolvex {

// The images of the remote's buttons, 16 × 16 each, by their number in the
// panel's image list.
enum TAmpImage : int {
  aiPrevious = 0,
  aiStop = 1,
  aiNext = 2,
  aiPause = 3,
  aiPlay = 4,
  aiLaunch = 5,
};
inline constexpr int kAmpImageCount = 6;

// The image of number `image` (an empty one for other numbers).
QPixmap AmpImage(int image);

}  // namespace tolvex
