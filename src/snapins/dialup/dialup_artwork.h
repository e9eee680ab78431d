// The dial-up panel's pictures, drawn rather than stored.
#pragma once

#include <QPixmap>

namespace tolvex {

// The images of the dial button, 16 × 16 each, by their number in the
// panel's image list; the numbers between them stay empty.
enum TDialUpImage : int {
  diIdle = 0,
  diNoEntries = 5,
  diConnected = 6,
};
inline constexpr int kDialUpImageCount = 7;

// The image of number `image` (an empty one for the unused numbers).
QPixmap DialUpImage(int image);

}  // namespace tolvex
