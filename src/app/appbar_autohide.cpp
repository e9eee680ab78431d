// TAppBar: auto-hide at an edge, the sliver it leaves, and the slide
// animation.
#include <QPainter>

#include "app/appbar.h"
#include "app/appbar_sliver.h"
#include "platform/desktop.h"

namespace tolvex {

using platform::Desktop;
using platform::SystemMetric;

bool TAppBar::AutoHideRect(bool show, TRect& rect) const {
  const TAppBarEdge edge = CurrentEdge();
  if (!FAutoHide || edge > abeBottom) return false;
  const int w = rect.Width();
  const int h = rect.Height();
  const int b = Desktop().Metric(SystemMetric::BorderWidth);
  const int bv = Desktop().Metric(SystemMetric::BorderHeight);
  const TRect screen = Desktop().ScreenRect();
  int x = 0;
  int y = 0;
  switch (edge) {
    case abeLeft:
      x = show ? 0 : 2 * b - w;
      break;
    case abeTop:
      y = show ? 0 : 2 * bv - h;
      break;
    case abeRight:
      x = show ? screen.Width() - w : screen.Width() - 2 * b;
      break;
    case abeBottom:
      y = show ? screen.Height() - h : screen.Height() - 2 * bv;
      break;
    default:
      break;
  }
  rect = TRect{x, y, x + w, y + h};
  return true;
}

void TAppBar::ShowAutoHidden(bool show) {
  TRect rect = WindowRect();
  FAutoHideShown = true;
  if (AutoHideRect(show, rect)) {
    FAutoHideShown = show;
    SlideTo(rect);
  }
  UpdateSliver();
  UpdateAutoHideTimer();
}

bool TAppBar::ShownAutoHidden() const {
  return FAutoHide && FAutoHideShown && CurrentEdge() <= abeBottom;
}

void TAppBar::UpdateAutoHideTimer() {
  // An idle bar must not wake up: only a slid-in auto-hidden bar has
  // anything to check, and the sliver brings a hidden one back.
  if (FAutoHideTimer == nullptr || ShownAutoHidden() == FAutoHideTimer->isActive()) return;
  if (ShownAutoHidden()) {
    FAutoHideTimer->start();
  } else {
    FAutoHideTimer->stop();
  }
}

void TAppBar::AutoHideCheck() {
  // The cursor position costs a round trip to the window system; the bar's
  // own state decides first whether there is anything to do.
  if (!ShownAutoHidden() || isActiveWindow()) return;
  const TPoint cursor = Desktop().CursorPos();
  const int dx = 2 * Desktop().Metric(SystemMetric::DoubleClickWidth);
  const int dy = 2 * Desktop().Metric(SystemMetric::DoubleClickHeight);
  TRect near = WindowRect();
  near.left -= dx;
  near.top -= dy;
  near.right += dx;
  near.bottom += dy;
  if (!near.Contains(cursor)) ShowAutoHidden(false);
}

void TAppBar::NonClientMouseMove() {
  ShowAutoHidden(true);
}

void TAppBar::SlideTo(const TRect& target) {
  if (FSlideTimer != nullptr) FSlideTimer->stop();
  const TRect c = WindowRect();
  // A hidden window shows no animation, so it is not made to wait for one.
  if (FSlideTimer != nullptr && FSlideEffect && FSlideTime > 0 && Desktop().FullWindowDrag() &&
      target != c && isVisible()) {
    FSlideFrom = c;
    FSlideTarget = target;
    FSlideStart = Desktop().TickCount();
    FSlideTimer->start();
    return;
  }
  PlaceWindow(target);
}

void TAppBar::SlideStep() {
  const std::int64_t time = FSlideTime;
  const std::int64_t e = Desktop().TickCount() - FSlideStart;
  if (e >= time || e < 0) {
    FSlideTimer->stop();
    PlaceWindow(FSlideTarget);
    return;
  }
  const TRect& c = FSlideFrom;
  const TRect& target = FSlideTarget;
  const int left = static_cast<int>(c.left - (c.left - target.left) * e / time);
  const int top = static_cast<int>(c.top - (c.top - target.top) * e / time);
  const int width = static_cast<int>(c.Width() - (c.Width() - target.Width()) * e / time);
  const int height = static_cast<int>(c.Height() - (c.Height() - target.Height()) * e / time);
  PlaceWindow(TRect{left, top, left + width, top + height});
}

TAppBarEdge TAppBar::AutoHideEdge() {
  const platform::WindowId window = Handle();
  for (TAppBarEdge edge : {abeLeft, abeTop, abeRight, abeBottom}) {
    if (AppBarMessage(abmGetAutoHideBar, edge) == window) return edge;
  }
  return abeUnknown;
}

void TAppBar::UpdateSliver() {
  const TAppBarEdge edge = CurrentEdge();
  if (!FAutoHide || FAutoHideShown || edge > abeBottom) {
    FSliver->hide();
    return;
  }
  // The strip in window coordinates, then in the client area: where the
  // desktop's frame is that wide, the frame itself is the sliver.
  const int b = 2 * Desktop().Metric(SystemMetric::BorderWidth);
  const int bv = 2 * Desktop().Metric(SystemMetric::BorderHeight);
  const QMargins frame = FrameMargins();
  const int w = width() + frame.left() + frame.right();
  const int h = height() + frame.top() + frame.bottom();
  QRect strip;
  switch (edge) {
    case abeLeft:
      strip = QRect(w - b, 0, b, h);
      break;
    case abeTop:
      strip = QRect(0, h - bv, w, bv);
      break;
    case abeRight:
      strip = QRect(0, 0, b, h);
      break;
    default:
      strip = QRect(0, 0, w, bv);
      break;
  }
  strip = strip.translated(-frame.left(), -frame.top()) & rect();
  if (strip.isEmpty()) {
    FSliver->hide();
    return;
  }
  FSliver->setGeometry(strip);
  FSliver->raise();
  FSliver->show();
}

TAppBarSliver::TAppBarSliver(TAppBar* bar) : QWidget(bar), bar_(bar) {
  setMouseTracking(true);
  hide();
}

void TAppBarSliver::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

void TAppBarSliver::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  bar_->NonClientMouseMove();
}

void TAppBarSliver::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  bar_->NonClientMouseMove();
}

}  // namespace tolvex
