// Desktop-toolbar service on X11 through the window manager's EWMH hints.
// A docked bar is a window of type _NET_WM_WINDOW_TYPE_DOCK whose
// _NET_WM_STRUT_PARTIAL and _NET_WM_STRUT reserve exactly the strip the bar
// was granted; a floating or auto-hidden bar reserves nothing. Bars of all
// programs on the display find each other through root-window properties:
// "_TOLVEX_APPBARS" lists them in the order they registered (the earlier
// keeps the outer place of an edge) and "_TOLVEX_AUTOHIDE_<EDGE>" names the
// auto-hide bar of an edge. Docks of other programs, known by their struts
// on the window manager's client list, keep their places; the rules for
// corners are those of docked_strips.h.
#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <vector>

#include "platform/desktop_toolbar.h"

namespace tolvex::platform::x11 {

class X11DesktopToolbar : public QObject,
                          public IDesktopToolbar,
                          public QAbstractNativeEventFilter {
 public:
  // nullptr when the program does not run on an X display.
  static std::unique_ptr<X11DesktopToolbar> Create();
  ~X11DesktopToolbar() override;

  bool New(WindowId window, ToolbarCallback callback) override;
  bool Remove(WindowId window) override;
  void QueryPos(WindowId window, int edge, Rect& rect) override;
  void SetPos(WindowId window, int edge, Rect& rect) override;
  WindowId GetAutoHideBar(int edge) override;
  bool SetAutoHideBar(WindowId window, int edge, bool on) override;
  void Activate(WindowId window) override;
  void WindowPosChanged(WindowId window) override;
  void SetZOrder(WindowId window, ToolbarZOrder order) override;
  void SetCaption(WindowId window, bool caption) override;
  void SetTaskEntry(WindowId window, bool shown) override;
  std::optional<FrameExtents> Frame(WindowId window) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  X11DesktopToolbar();

  struct Bar {
    WindowId id = 0;
    QPointer<QWindow> window;
    ToolbarCallback callback;
    int edge = ToolbarNoEdge;
    Rect reserved;  // empty: reserves nothing
    bool caption = true;
    bool appliedCaption = true;
    ToolbarZOrder zOrder = ToolbarZOrder::NotTopMost;
    bool taskEntry = true;
    // What was last written, so unchanged values cause no traffic (the
    // window manager answers every strut write with a new work area).
    std::vector<std::uint32_t> writtenStrut;
    std::vector<bool> writtenState;
    // _NET_FRAME_EXTENTS of a captioned window, once known.
    std::vector<std::uint32_t> frame;
  };

  Bar* Find(WindowId window);
  // Fits `rect` beside the strips other docks hold (docked_strips.h).
  void Adjust(WindowId window, int edge, Rect& rect);
  double PixelRatio(const Bar& bar) const;
  // Writes everything a fresh native window needs before it is mapped.
  void ApplyAll(Bar& bar);
  void ApplyStruts(Bar& bar);
  void ApplyState(Bar& bar);
  // Switches between docked and floating look; a mapped window is withdrawn
  // and mapped again, as window managers read the type at map time.
  void ApplyCaption(Bar& bar);
  void ApplyPendingCaptions();
  void Notify(int notification, bool flag);
  void CheckFullScreen();
  void UpdateRegistry(WindowId window, bool add);

  std::vector<std::unique_ptr<Bar>> bars_;
  QTimer captionTimer_;
  bool fullScreen_ = false;
  xcb_window_t watchedActive_ = XCB_WINDOW_NONE;
  std::vector<std::uint32_t> workArea_;
};

}  // namespace tolvex::platform::x11
