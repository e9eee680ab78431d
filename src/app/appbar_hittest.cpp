// TAppBar: what a point on the bar means to the mouse. An empty spot drags
// the bar; the frame sizes it only where the bar may grow.
#include "app/appbar.h"
#include "platform/desktop.h"

namespace tolvex {

using platform::Desktop;
using platform::Key;

namespace {

// The band along a docked bar's sides that acts as its sizing frame (the
// desktop draws no frame around a docked bar).
constexpr int kSizingBand = 4;

}  // namespace

int TAppBar::DefaultHitTest(TPoint point) const {
  const TRect window = WindowRect();
  if (CurrentEdge() > abeBottom || !window.Contains(point)) return htClient;
  const bool left = point.x < window.left + kSizingBand;
  const bool right = point.x >= window.right - kSizingBand;
  const bool top = point.y < window.top + kSizingBand;
  const bool bottom = point.y >= window.bottom - kSizingBand;
  if (top) return left ? htTopLeft : right ? htTopRight : htTop;
  if (bottom) return left ? htBottomLeft : right ? htBottomRight : htBottom;
  if (left) return htLeft;
  if (right) return htRight;
  return htClient;
}

int TAppBar::HitTest(TPoint point, int h) const {
  if (h == htClient && PrimaryDown() &&
      childAt(mapFromGlobal(QPoint(point.x, point.y))) == nullptr) {
    return htCaption;
  }
  if (h < htLeft || h > htBottomRight) return h;
  const TAppBarEdge edge = CurrentEdge();
  const bool horz = FHorzSizeInc != 0;
  const bool vert = FVertSizeInc != 0;
  if (edge == abeFloat) {
    switch (h) {
      case htLeft:
      case htRight:
        return horz ? h : htBorder;
      case htTop:
      case htBottom:
        return vert ? h : htBorder;
      default:
        if (!horz && !vert) return htBorder;
        if (!horz) return (h == htTopLeft || h == htTopRight) ? htTop : htBottom;
        if (!vert) return (h == htTopLeft || h == htBottomLeft) ? htLeft : htRight;
        return h;
    }
  }
  if (edge > abeBottom) return h;
  if (IsVerticalEdge(edge) ? !horz : !vert) return htBorder;
  TRect client = WindowRect();
  client.left += kSizingBand;
  client.top += kSizingBand;
  client.right -= kSizingBand;
  client.bottom -= kSizingBand;
  switch (edge) {
    case abeLeft:
      return point.x >= client.right ? htRight : htBorder;
    case abeTop:
      return point.y >= client.bottom ? htBottom : htBorder;
    case abeRight:
      return point.x < client.left ? htLeft : htBorder;
    default:
      return point.y < client.top ? htTop : htBorder;
  }
}

}  // namespace tolvex
