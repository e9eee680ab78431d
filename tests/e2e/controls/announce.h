// Shared by the drop test's programs: once the window is shown and placed,
// print "ready X Y" with the screen position of its client area, so that
// the test knows where to drag.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdio>

inline void AnnounceWhenShown(QWidget& window) {
  QTimer::singleShot(300, &window, [&window] {
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    std::printf("ready %d %d\n", origin.x(), origin.y());
    std::fflush(stdout);
  });
}
