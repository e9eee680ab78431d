// The pictures of the shutdown panel, drawn rather than stored: one 16 × 16
// image per action, used by the panel's buttons, its menu and the settings
// dialog.
#pragma once

#include <QPixmap>

namespace tolvex {

// In the order of the panel's actions.
enum TTerminatorImage : int {
  tiShutdown = 0,
  tiReboot = 1,
  tiLogOff = 2,
  tiForceShutdown = 3,
  tiDisconnect = 4,
};
inline constexpr int kTerminatorImageCount = 5;
inline constexpr int kTerminatorImageSize = 16;

QPixmap TerminatorImage(TTerminatorImage image);

}  // namespace tolvex
