// Dialog placement against the work area.
#include "shared/placement.h"

#include <QWidget>
#include <algorithm>

#include "platform/desktop.h"

namespace tolvex {

namespace {
QRect ToQRect(const platform::Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}
}  // namespace

QRect WorkAreaRect() {
  return ToQRect(platform::Desktop().WorkArea());
}

QRect ScreenAreaRect() {
  return ToQRect(platform::Desktop().ScreenRect());
}

QSize OuterSize(const QWidget& window) {
  return window.frameGeometry().size();
}

QPoint PullBackFromRightBottom(QPoint topLeft, QSize size, int margin) {
  const QRect area = WorkAreaRect();
  // QRect's right() and bottom() lie on the last pixel; the edges lie beyond.
  const int right = area.left() + area.width() - margin;
  const int bottom = area.top() + area.height() - margin;
  if (topLeft.x() + size.width() > right) topLeft.setX(right - size.width());
  if (topLeft.y() + size.height() > bottom) topLeft.setY(bottom - size.height());
  return topLeft;
}

QPoint BesideOwner(const QWidget& owner, QSize size) {
  constexpr int kOffset = 50;
  QPoint topLeft = owner.frameGeometry().topLeft() + QPoint(kOffset, kOffset);
  const QRect area = WorkAreaRect();
  const int right = area.left() + area.width();
  topLeft.setX(std::min(topLeft.x(), right - size.width() - kOffset));
  return topLeft;
}

}  // namespace tolvex
