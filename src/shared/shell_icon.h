// The shell's icons as images and pixmaps for the widgets that show them.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace tolvex {

// Icon `index` of `file` as an image `size` × `devicePixelRatio` pixels
// square; null when the file has no such icon.
QImage ShellIconImage(const QString& file, int index, int size, double devicePixelRatio);
// The same icon as a pixmap `size` pixels square on a screen with
// `devicePixelRatio`.
QPixmap ShellIcon(const QString& file, int index, int size, double devicePixelRatio);

}  // namespace tolvex
