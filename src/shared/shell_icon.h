// The shell's icons as pixmaps for the widgets that show them.
#pragma once

#include <QPixmap>
#include <QString>

namespace tolvex {

// Icon `index` of `file` as a pixmap `size` pixels square on a screen with
// `devicePixelRatio`; null when the file has no such icon.
QPixmap ShellIcon(const QString& file, int index, int size, double devicePixelRatio);

}  // namespace tolvex
