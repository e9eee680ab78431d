// Placing dialogs against the desktop work area. Sizes and positions are
// those of the outer window (frame included once the window manager has
// framed it).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tolvex {

// The desktop work area (the screen without docked bars).
QRect WorkAreaRect();
// The whole screen.
QRect ScreenAreaRect();

// The outer size of `window`.
QSize OuterSize(const QWidget& window);

// `topLeft` of a window of `size`, pulled back so that its right and bottom
// edges keep `margin` pixels from the work area's right and bottom edges.
// The left and top edges are not checked.
QPoint PullBackFromRightBottom(QPoint topLeft, QSize size, int margin = 0);

// Where a dialog of `size` owned by the window `owner` opens: 50 pixels right
// of and below the owner's top-left corner, pulled back so that its right
// edge keeps 50 pixels from the work area's right edge; the top is not
// corrected.
QPoint BesideOwner(const QWidget& owner, QSize size);

}  // namespace tolvex
