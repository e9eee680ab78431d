// TAppBar: the edge a point proposes, moving and sizing the bar with the
// mouse, and the size limits the user may drag it to.
#include <QMouseEvent>
#include <cstdlib>

#include "app/appbar.h"
#include "platform/desktop.h"

namespace tolvex {

using platform::Desktop;
using platform::Key;
using platform::SystemMetric;

namespace {

constexpr TAppBarFlags kDockFlags = abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom;

TAppBarFlag FlagOf(TAppBarEdge edge) {
  switch (edge) {
    case abeLeft:
      return abfAllowLeft;
    case abeTop:
      return abfAllowTop;
    case abeRight:
      return abfAllowRight;
    default:
      return abfAllowBottom;
  }
}

// Moves the dragged sides of `rect` so that it gets `width` and `height`.
void MoveSides(TSizingSide side, TRect& rect, int width, int height) {
  switch (side) {
    case wmszLeft:
      rect.left = rect.right - width;
      break;
    case wmszRight:
      rect.right = rect.left + width;
      break;
    case wmszTop:
      rect.top = rect.bottom - height;
      break;
    case wmszTopLeft:
      rect.top = rect.bottom - height;
      rect.left = rect.right - width;
      break;
    case wmszTopRight:
      rect.top = rect.bottom - height;
      rect.right = rect.left + width;
      break;
    case wmszBottom:
      rect.bottom = rect.top + height;
      break;
    case wmszBottomLeft:
      rect.bottom = rect.top + height;
      rect.left = rect.right - width;
      break;
    case wmszBottomRight:
      rect.bottom = rect.top + height;
      rect.right = rect.left + width;
      break;
  }
}

}  // namespace

TAppBarEdge TAppBar::EdgeFromPoint(TAppBarFlags flags, TPoint point) const {
  if (flags & abfAllowFloat) {
    TRect inner = Desktop().WorkArea();
    const int vs = Desktop().Metric(SystemMetric::VScrollWidth);
    const int hs = Desktop().Metric(SystemMetric::HScrollHeight);
    inner.left += vs;
    inner.right -= vs;
    inner.top += hs;
    inner.bottom -= hs;
    if (inner.Contains(point) || !(flags & kDockFlags)) return abeFloat;
  }
  const TRect screen = Desktop().ScreenRect();
  const int w = screen.Width();
  const int h = screen.Height();
  const int dx = static_cast<std::int16_t>(point.x - w / 2);
  const int dy = static_cast<std::int16_t>(point.y - h / 2);
  TAppBarEdge candidate;
  if (std::abs(dy) * w <= std::abs(dx) * h) {
    candidate = dx < 0 ? abeLeft : abeRight;
  } else {
    candidate = dy < 0 ? abeTop : abeBottom;
  }
  if (flags & FlagOf(candidate)) return candidate;
  return (flags & abfAllowFloat) ? abeFloat : FEdge;
}

TAppBarEdge TAppBar::ProposedEdgeAt(TPoint screenPoint) const {
  if (ControlDown() && (FFlags & abfAllowFloat)) return abeFloat;
  return EdgeFromPoint(FFlags, screenPoint);
}

TAppBar::TCurrentMessage::TCurrentMessage(TAppBar& bar, const QMouseEvent& event) : bar_(bar) {
  const QPoint global = event.globalPosition().toPoint();
  bar.FMessage =
      TMessageState{TPoint{global.x(), global.y()}, (event.buttons() & Qt::LeftButton) != 0,
                    (event.modifiers() & Qt::ControlModifier) != 0};
}

TPoint TAppBar::MessageCursor() const {
  return FMessage ? FMessage->cursor : Desktop().CursorPos();
}

bool TAppBar::PrimaryDown() const {
  return FMessage ? FMessage->primaryDown : Desktop().IsKeyDown(Key::LeftButton);
}

bool TAppBar::ControlDown() const {
  return FMessage ? FMessage->controlDown : Desktop().IsKeyDown(Key::Control);
}

void TAppBar::EnterSizeMove() {
  FMovingEdge = CurrentEdge();
}

void TAppBar::Moving(TRect& rect) {
  const TPoint cursor = MessageCursor();
  const TAppBarEdge edge = ProposedEdgeAt(cursor);
  if (FMovingEdge != abeFloat && edge == abeFloat) {
    const int fw = FFloatRect.Width();
    const int fh = FFloatRect.Height();
    rect.left = cursor.x - fw / 2;
    rect.top = cursor.y;
    rect.right = rect.left + fw;
    rect.bottom = cursor.y + fh;
  }
  FMovingEdge = edge;
  DockRect(edge, rect);
  ApplyEdgeStyle(true, edge);
}

void TAppBar::ExitSizeMove() {
  const TAppBarEdge edge = FMovingEdge;
  FMovingEdge = abeUnknown;
  const TRect w = WindowRect();
  if (edge == FEdge) {
    if (IsVerticalEdge(edge)) FVertDockSize = w.Width();
    if (IsHorizontalEdge(edge)) FHorzDockSize = w.Height();
  }
  if (edge == abeFloat) {
    const TRect area = Desktop().WorkArea();
    if (FEdge == abeFloat) {
      FFloatRect = w;
    } else if (w.Width() >= area.Width() || w.Height() >= area.Height()) {
      FFloatRect = TRect{w.left, w.top, w.left + FFloatRect.Width(), w.top + FFloatRect.Height()};
    } else {
      FFloatRect = w;
    }
  }
  PlaceAtEdge(edge);
}

void TAppBar::Sizing(TSizingSide side, TRect& rect) const {
  const bool floating = CurrentEdge() == abeFloat;
  const int baseWidth = floating ? FMinWidth : FMinVertDockSize;
  const int baseHeight = floating ? FMinHeight : FMinHorzDockSize;
  int width = rect.Width();
  int height = rect.Height();
  if (FHorzSizeInc != 0) {
    width = baseWidth + FHorzSizeInc * ((width - baseWidth + FHorzSizeInc / 2) / FHorzSizeInc);
  }
  if (FVertSizeInc != 0) {
    height = baseHeight + FVertSizeInc * ((height - baseHeight + FVertSizeInc / 2) / FVertSizeInc);
  }
  MoveSides(side, rect, width, height);
}

void TAppBar::MinMaxTrackingSize(int& minWidth, int& minHeight, int& maxWidth,
                                 int& maxHeight) const {
  const TAppBarEdge edge = CurrentEdge();
  if (edge == abeFloat) {
    minWidth = FMinWidth;
    minHeight = FMinHeight;
    maxWidth = FMaxWidth;
    maxHeight = FMaxHeight;
    return;
  }
  const TRect screen = Desktop().ScreenRect();
  minWidth = FMinVertDockSize;
  minHeight = FMinHorzDockSize;
  maxWidth = IsHorizontalEdge(edge) ? screen.Width() : FMaxVertDockSize;
  maxHeight = IsVerticalEdge(edge) ? screen.Height() : FMaxHorzDockSize;
}

void TAppBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const TCurrentMessage message(*this, *event);
  const TPoint point = MessageCursor();
  const int code = HitTest(point, DefaultHitTest(point));
  if (code != htCaption && (code < htLeft || code > htBottomRight)) {
    QWidget::mousePressEvent(event);
    return;
  }
  FDragCode = code;
  FDragCursor = point;
  FDragOrigin = point;
  FDragRect = WindowRect();
  EnterSizeMove();
  event->accept();
}

void TAppBar::mouseMoveEvent(QMouseEvent* event) {
  if (FDragCode == 0) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const TCurrentMessage message(*this, *event);
  DragTo(MessageCursor());
}

void TAppBar::mouseReleaseEvent(QMouseEvent* event) {
  if (FDragCode == 0 || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  FDragCode = 0;
  const TCurrentMessage message(*this, *event);
  ExitSizeMove();
}

void TAppBar::DragTo(TPoint cursor) {
  if (FDragCode == htCaption) {
    // Each step moves the rectangle the last step settled on, so a bar that
    // left its edge follows the cursor at its floating size.
    TRect rect = WindowRect();
    const int dx = cursor.x - FDragCursor.x;
    const int dy = cursor.y - FDragCursor.y;
    rect = TRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    FDragCursor = cursor;
    Moving(rect);
    PlaceWindow(rect);
    return;
  }
  const auto side = static_cast<TSizingSide>(FDragCode - htLeft + wmszLeft);
  const int dx = cursor.x - FDragOrigin.x;
  const int dy = cursor.y - FDragOrigin.y;
  TRect rect = FDragRect;
  if (side == wmszLeft || side == wmszTopLeft || side == wmszBottomLeft) rect.left += dx;
  if (side == wmszRight || side == wmszTopRight || side == wmszBottomRight) rect.right += dx;
  if (side == wmszTop || side == wmszTopLeft || side == wmszTopRight) rect.top += dy;
  if (side == wmszBottom || side == wmszBottomLeft || side == wmszBottomRight) rect.bottom += dy;
  Sizing(side, rect);
  int minWidth, minHeight, maxWidth, maxHeight;
  MinMaxTrackingSize(minWidth, minHeight, maxWidth, maxHeight);
  MoveSides(side, rect, std::clamp(rect.Width(), minWidth, std::max(minWidth, maxWidth)),
            std::clamp(rect.Height(), minHeight, std::max(minHeight, maxHeight)));
  PlaceWindow(rect);
}

// The window manager moves a floating bar by its caption without telling
// the program when the move starts or ends. Some report each step while the
// button is down: the bar waits for the release. Others report only the
// final place: a move the bar did not ask for, with the cursor on the bar,
// is such an end. Either end is handled as the end of the bar's own drag.
void TAppBar::FollowWindowManagerMove() {
  if (FDragCode != 0 || FEdge != abeFloat || FMovingEdge != abeUnknown) return;
  if (Desktop().IsKeyDown(Key::LeftButton)) {
    if (FWindowManagerMove == nullptr) {
      FWindowManagerMove = new QTimer(this);
      FWindowManagerMove->setInterval(50);
      connect(FWindowManagerMove, &QTimer::timeout, this, [this] {
        if (Desktop().IsKeyDown(Key::LeftButton)) return;
        FWindowManagerMove->stop();
        EndWindowManagerMove();
      });
    }
    EnterSizeMove();
    FWindowManagerMove->start();
    return;
  }
  const TRect window = WindowRect();
  if (window == FPlacedRect || !window.Contains(Desktop().CursorPos())) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (FEdge != abeFloat || FMovingEdge != abeUnknown) return;
        EnterSizeMove();
        EndWindowManagerMove();
      },
      Qt::QueuedConnection);
}

void TAppBar::EndWindowManagerMove() {
  TRect rect = WindowRect();
  Moving(rect);
  ExitSizeMove();
}

}  // namespace tolvex
