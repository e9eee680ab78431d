// TAppBar: construction with the property defaults, window creation and
// destruction, and the reactions to the window's events.
#include "app/appbar.h"

#include <QEnterEvent>
#include <QEvent>

#include "app/appbar_sliver.h"
#include "platform/desktop.h"
#include "platform/desktop_toolbar.h"

namespace tolvex {

using platform::Desktop;
using platform::DesktopToolbar;

TAppBar::TAppBar(QWidget* parent) : QWidget(parent, Qt::Window) {
  // Caption and close box only: a floating bar is neither minimised nor
  // maximised. Docked, the shell takes the frame away altogether.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  const TRect screen = Desktop().ScreenRect();
  FMaxWidth = screen.Width();
  FMaxHeight = screen.Height();
  FMaxVertDockSize = screen.Width() / 2;
  FMaxHorzDockSize = screen.Height() / 2;
  // Mouse moves over the bar's own surface slide an auto-hidden bar in.
  setMouseTracking(true);
  FSliver = new TAppBarSliver(this);
}

TAppBar::~TAppBar() {
  if (FHandle == 0) return;
  delete FAutoHideTimer;
  FAutoHideTimer = nullptr;
  PlaceAtEdge(abeUnknown);
}

void TAppBar::SetSlideTime(int value) {
  FSlideTime = value;
  if (FAutoHideTimer) FAutoHideTimer->setInterval(value);
}

void TAppBar::SetMinWidth(int value) {
  FMinWidth = value;
  ApplyTrackingSize();
}
void TAppBar::SetMinHeight(int value) {
  FMinHeight = value;
  ApplyTrackingSize();
}
void TAppBar::SetMaxWidth(int value) {
  FMaxWidth = value;
  ApplyTrackingSize();
}
void TAppBar::SetMaxHeight(int value) {
  FMaxHeight = value;
  ApplyTrackingSize();
}

platform::WindowId TAppBar::Handle() {
  if (!FCreated) {
    // The first native window is not a re-creation.
    FHandle = winId();
    FCreated = true;
    CreateWnd();
  }
  return FHandle;
}

void TAppBar::CreateWnd() {
  // The bar never has a task-list entry of its own: TaskEntry governs it.
  ModifyStyle(this, gwlStyle, 0, 0, wsSysMenu | wsMinimizeBox | wsMaximizeBox);
  ModifyStyle(this, gwlExStyle, 0, wsExToolWindow, wsExAppWindow);
  FAutoHideTimer = new QTimer(this);
  FAutoHideTimer->setInterval(FSlideTime);
  connect(FAutoHideTimer, &QTimer::timeout, this, &TAppBar::AutoHideCheck);
  // About sixty steps a second: more would not reach the screen.
  FSlideTimer = new QTimer(this);
  FSlideTimer->setInterval(16);
  FSlideTimer->setTimerType(Qt::PreciseTimer);
  connect(FSlideTimer, &QTimer::timeout, this, &TAppBar::SlideStep);
  const TRect window = WindowRect();
  FFloatRect.left = window.left;
  FFloatRect.top = window.top;
  AppBarMessage(abmNew, abeFloat);
  RefreshPlacement();
  PostSettlePlacement();
}

// Settles the placement once the event loop runs, as a finished drag would.
// A message box shown while the bar is being placed (the auto-hide refusal)
// runs the event loop early; the settling waits until the placement is done,
// or it would take the half-placed window's width as the docked thickness.
void TAppBar::PostSettlePlacement() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (FPlacing > 0) {
          FSettlePending = true;
          return;
        }
        EnterSizeMove();
        ExitSizeMove();
      },
      Qt::QueuedConnection);
}

// The toolkit replaced the native window (it does so for some kinds of
// content): the shell forgets the old one and learns the new one, which is
// placed as the bar stands.
void TAppBar::WindowRecreated() {
  if (!FCreated) return;
  const platform::WindowId old = FHandle;
  FHandle = internalWinId();
  if (FHandle == old) return;
  if (old != 0) DesktopToolbar().Remove(old);
  if (FHandle == 0) return;
  AppBarMessage(abmNew, abeFloat);
  RefreshPlacement();
}

void TAppBar::ShellCallback(int notification, bool flag) {
  switch (notification) {
    case platform::ToolbarPositionChanged:
      PositionChanged();
      break;
    case platform::ToolbarFullScreenApp:
      FullScreenAppChanged(flag);
      break;
    case platform::ToolbarWindowsArranged:
      WindowsArranged(flag);
      break;
    default:
      break;
  }
}

bool TAppBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
      // Registers and places the bar before the window is first mapped.
      Handle();
      break;
    case QEvent::WinIdChange:
      WindowRecreated();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TAppBar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || FHandle == 0) return;
  if (!isActiveWindow()) ShowAutoHidden(false);
  AppBarMessage(abmActivate, abeFloat);
}

void TAppBar::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (FHandle == 0) return;
  AppBarMessage(abmWindowPosChanged, abeFloat);
  // Only moves reported by the window system can be the user's.
  if (event->spontaneous()) FollowWindowManagerMove();
}

void TAppBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  UpdateSliver();
  if (FHandle != 0) AppBarMessage(abmWindowPosChanged, abeFloat);
}

void TAppBar::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  NonClientMouseMove();
}

}  // namespace tolvex
