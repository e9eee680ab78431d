// TAppBar: the shell's messages, placement at an edge or floating, the
// window's styles and its rectangle.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/appbar.h"
#include "platform/desktop.h"
#include "shared/modal.h"

namespace tolvex {

using platform::Desktop;
using platform::DesktopToolbar;
using platform::ToolbarZOrder;

TAppBarEdge TAppBar::CurrentEdge() const {
  return FMovingEdge != abeUnknown ? FMovingEdge : FEdge;
}

void TAppBar::RefreshPlacement() {
  PlaceAtEdge(CurrentEdge());
}

void TAppBar::PositionChanged() {
  if (CurrentEdge() != abeFloat && !FAutoHide) RefreshPlacement();
}

void TAppBar::FullScreenAppChanged(bool open) {
  FFullScreenApp = open;
  RefreshPlacement();
}

void TAppBar::WindowsArranged(bool /*starting*/) {}

void TAppBar::AutoHideRefused() {
  QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                  "There is already an auto hidden window on this edge.\n\r"
                  "Only one auto hidden window is allowed on each edge.",
                  QMessageBox::Ok, this);
  ExecModal(box);
}

void TAppBar::ApplyEdgeStyle(bool duringMove, TAppBarEdge edge) {
  if (!Desktop().FullWindowDrag() && duringMove) return;
  if (edge == abeFloat) {
    ModifyStyle(this, gwlStyle, swpFrameChanged, wsCaption | wsSysMenu, 0);
  } else {
    ModifyStyle(this, gwlStyle, swpFrameChanged, 0, wsCaption | wsSysMenu);
  }
}

bool TAppBar::ModifyStyle(TAppBar* window, TStyleIndex index, unsigned swpFlags, unsigned add,
                          unsigned remove) {
  unsigned& word = index == gwlStyle ? window->FStyle : window->FExStyle;
  const unsigned style = (word & ~remove) | add;
  if (style == word) return false;
  word = style;
  // The frame-changed repositioning: the platform redraws the frame with or
  // without caption.
  if (swpFlags != 0 && index == gwlStyle) {
    const TRect outer = window->WindowRect();
    DesktopToolbar().SetCaption(window->Handle(), (style & wsCaption) == wsCaption);
    // The window keeps its outer rectangle. A shown window's frame is the
    // desktop's business; one not shown yet is placed for its new frame.
    if (!window->isVisible()) window->PlaceWindow(outer);
  }
  return true;
}

std::uintptr_t TAppBar::AppBarMessage(TAppBarMessage message, TAppBarEdge edge, TRect* rect,
                                      bool copyBack, std::intptr_t parameter) {
  platform::IDesktopToolbar& shell = DesktopToolbar();
  const platform::WindowId window = Handle();
  TRect data = rect != nullptr ? *rect : TRect{};
  std::uintptr_t result = 1;
  switch (message) {
    case abmNew: {
      QPointer<TAppBar> self(this);
      result = shell.New(window, [self](int notification, bool flag) {
        if (self) self->ShellCallback(notification, flag);
      });
      break;
    }
    case abmRemove:
      result = shell.Remove(window);
      break;
    case abmQueryPos:
      shell.QueryPos(window, edge, data);
      break;
    case abmSetPos:
      shell.SetPos(window, edge, data);
      break;
    case abmActivate:
      shell.Activate(window);
      break;
    case abmGetAutoHideBar:
      result = shell.GetAutoHideBar(edge);
      break;
    case abmSetAutoHideBar:
      result = shell.SetAutoHideBar(window, edge, parameter != 0);
      break;
    case abmWindowPosChanged:
      shell.WindowPosChanged(window);
      break;
  }
  if (copyBack && rect != nullptr) *rect = data;
  return result;
}

void TAppBar::PlaceAtEdge(TAppBarEdge value) {
  ++FPlacing;
  struct Done {
    TAppBar& bar;
    ~Done() {
      if (--bar.FPlacing == 0 && bar.FSettlePending) {
        bar.FSettlePending = false;
        bar.PostSettlePlacement();
      }
    }
  } done{*this};
  const TAppBarEdge autoHideEdge = AutoHideEdge();
  if (autoHideEdge <= abeBottom) AppBarMessage(abmSetAutoHideBar, autoHideEdge, nullptr, false, 0);
  FEdge = value;
  if (value == abeUnknown) {
    AppBarMessage(abmRemove, abeFloat);
  } else if (value == abeFloat) {
    TRect none;
    AppBarMessage(abmSetPos, abeFloat, &none);
    SetWindowRect(FFloatRect);
  } else {
    if (FAutoHide && AppBarMessage(abmSetAutoHideBar, value, nullptr, false, 1) == 0) {
      FAutoHide = false;
      AutoHideRefused();
    }
    TRect r;
    DockRect(value, r);
    if (FAutoHide) {
      TRect none;
      AppBarMessage(abmSetPos, abeLeft, &none);
    } else {
      AppBarMessage(abmSetPos, value, &r, true);
    }
    AutoHideRect(FAutoHideShown, r);
    SlideTo(r);
  }
  UpdateAutoHideTimer();
  const platform::WindowId window = Handle();
  if (!FAlwaysOnTop) {
    DesktopToolbar().SetZOrder(window, ToolbarZOrder::NotTopMost);
  } else {
    DesktopToolbar().SetZOrder(window,
                               FFullScreenApp ? ToolbarZOrder::Bottom : ToolbarZOrder::TopMost);
  }
  AppBarMessage(abmActivate, abeFloat);
  ApplyEdgeStyle(false, value);
  switch (FTaskEntry) {
    case abtShow:
      DesktopToolbar().SetTaskEntry(window, true);
      break;
    case abtHide:
      DesktopToolbar().SetTaskEntry(window, false);
      break;
    case abtFloatDependent:
      if (value == abeFloat) {
        DesktopToolbar().SetTaskEntry(window, true);
      } else if (value != abeUnknown) {
        DesktopToolbar().SetTaskEntry(window, false);
      }
      break;
  }
}

void TAppBar::DockRect(TAppBarEdge edge, TRect& rect) {
  if (edge == abeFloat) return;
  const TRect screen = Desktop().ScreenRect();
  rect = TRect{0, 0, screen.Width(), screen.Height()};
  if (!FAutoHide) AppBarMessage(abmQueryPos, edge, &rect, true);
  switch (edge) {
    case abeLeft:
      rect.right = rect.left + FVertDockSize;
      break;
    case abeRight:
      rect.left = rect.right - FVertDockSize;
      break;
    case abeTop:
      rect.bottom = rect.top + FHorzDockSize;
      break;
    case abeBottom:
      rect.top = rect.bottom - FHorzDockSize;
      break;
    default:
      break;
  }
}

TRect TAppBar::WindowRect() const {
  const QRect client = geometry();
  const QMargins frame = FrameMargins();
  return TRect{client.left() - frame.left(), client.top() - frame.top(),
               client.left() + client.width() + frame.right(),
               client.top() + client.height() + frame.bottom()};
}

void TAppBar::SetWindowRect(const TRect& rect) {
  // A rectangle set outright ends a slide under way.
  if (FSlideTimer != nullptr) FSlideTimer->stop();
  PlaceWindow(rect);
}

void TAppBar::PlaceWindow(const TRect& rect) {
  // The frame keeps its margins; the client area is what Qt places.
  const QMargins frame = FrameMargins();
  const QRect client(rect.left + frame.left(), rect.top + frame.top(),
                     std::max(0, rect.Width() - frame.left() - frame.right()),
                     std::max(0, rect.Height() - frame.top() - frame.bottom()));
  ApplyTrackingSize(client.size());
  FPlacedRect = rect;
  setGeometry(client);
}

QMargins TAppBar::FrameMargins() const {
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                       frame.right() - client.right(), frame.bottom() - client.bottom());
  // The desktop knows the frame better than the toolkit: before the window
  // is shown, and while a frame change is under way, the toolkit may know
  // none or an old one.
  if (FHandle == 0) return known;
  const std::optional<platform::FrameExtents> extents = DesktopToolbar().Frame(FHandle);
  if (!extents) return known;
  return QMargins(extents->left, extents->top, extents->right, extents->bottom);
}

void TAppBar::ApplyTrackingSize() {
  ApplyTrackingSize(size());
}

// Floating, the window manager sizes the bar: it learns the limits and the
// steps. Docked, the bar sizes itself and keeps to the limits on its own.
void TAppBar::ApplyTrackingSize(QSize client) {
  if (CurrentEdge() != abeFloat) {
    SetSizeHints(QSize(0, 0), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), QSize(0, 0));
    return;
  }
  const QMargins frame = FrameMargins();
  const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
  int minWidth, minHeight, maxWidth, maxHeight;
  MinMaxTrackingSize(minWidth, minHeight, maxWidth, maxHeight);
  QSize minimum(std::max(0, minWidth - frameExtra.width()),
                std::max(0, minHeight - frameExtra.height()));
  QSize maximum(std::max(minimum.width(), maxWidth - frameExtra.width()),
                std::max(minimum.height(), maxHeight - frameExtra.height()));
  // A step of 0 forbids sizing in that direction.
  if (FHorzSizeInc == 0) minimum.setWidth(client.width()), maximum.setWidth(client.width());
  if (FVertSizeInc == 0) minimum.setHeight(client.height()), maximum.setHeight(client.height());
  SetSizeHints(minimum, maximum, QSize(std::max(1, FHorzSizeInc), std::max(1, FVertSizeInc)));
}

// Each change of a limit is a message to the window manager: only changes go.
void TAppBar::SetSizeHints(QSize minimum, QSize maximum, QSize increment) {
  if (minimumSize() != minimum) setMinimumSize(minimum);
  if (maximumSize() != maximum) setMaximumSize(maximum);
  if (baseSize() != minimum) setBaseSize(minimum);
  if (sizeIncrement() != increment) setSizeIncrement(increment);
}

}  // namespace tolvex
