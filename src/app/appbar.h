// TAppBar: a top-level window that the desktop-toolbar shell treats as a
// desktop toolbar. Docked at a screen edge it reserves a strip that maximised
// windows leave free; it can float as a small captioned window, be dragged
// from edge to edge or into floating, hide at its edge (auto-hide) and slide
// in when the mouse touches the sliver it leaves, and stay on top. Derived
// windows restrict the edges and override the virtual operations.
//
// The operations are spread over files by concern: appbar.cpp (construction,
// properties, window events), appbar_placement.cpp (shell messages and
// placement), appbar_autohide.cpp (auto-hide and sliding),
// appbar_moving.cpp (dragging and sizing), appbar_hittest.cpp; the sliver
// of an auto-hidden bar is appbar_sliver.h.
#pragma once

#include <QFlags>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "platform/desktop_toolbar.h"
#include "platform/geometry.h"

namespace tolvex {

using TRect = platform::Rect;
using TPoint = platform::Point;

enum TAppBarEdge : int {
  abeLeft = 0,
  abeTop = 1,
  abeRight = 2,
  abeBottom = 3,
  abeUnknown = 4,
  abeFloat = 5,
};

enum TAppBarFlag : unsigned {
  abfAllowLeft = 1u << 0,
  abfAllowTop = 1u << 1,
  abfAllowRight = 1u << 2,
  abfAllowBottom = 1u << 3,
  abfAllowFloat = 1u << 4,
};
Q_DECLARE_FLAGS(TAppBarFlags, TAppBarFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAppBarFlags)

enum TAppBarTaskEntry : int { abtShow = 0, abtHide = 1, abtFloatDependent = 2 };

// Messages of the desktop-toolbar shell, with the shell's numbers.
enum TAppBarMessage : int {
  abmNew = 0,
  abmRemove = 1,
  abmQueryPos = 2,
  abmSetPos = 3,
  abmActivate = 6,
  abmGetAutoHideBar = 7,
  abmSetAutoHideBar = 8,
  abmWindowPosChanged = 9,
};

// The callback message the shell's notifications arrive with.
inline constexpr int AppBarCallbackMessage = 1124;

// Results of the hit test: where on the window a point lies.
enum THitCode : int {
  htClient = 1,
  htCaption = 2,
  htLeft = 10,
  htRight = 11,
  htTop = 12,
  htTopLeft = 13,
  htTopRight = 14,
  htBottom = 15,
  htBottomLeft = 16,
  htBottomRight = 17,
  htBorder = 18,
};

// The sides a sizing drag moves: 1 left to 8 bottom-right.
enum TSizingSide : int {
  wmszLeft = 1,
  wmszRight = 2,
  wmszTop = 3,
  wmszTopLeft = 4,
  wmszTopRight = 5,
  wmszBottom = 6,
  wmszBottomLeft = 7,
  wmszBottomRight = 8,
};

// The two style words of a window and the bits the bar uses.
enum TStyleIndex : int { gwlStyle = -16, gwlExStyle = -20 };
inline constexpr unsigned wsCaption = 0x00C00000;
inline constexpr unsigned wsSysMenu = 0x00080000;
inline constexpr unsigned wsMinimizeBox = 0x00020000;
inline constexpr unsigned wsMaximizeBox = 0x00010000;
inline constexpr unsigned wsThickFrame = 0x00040000;
inline constexpr unsigned wsExToolWindow = 0x00000080;
inline constexpr unsigned wsExAppWindow = 0x00040000;
// Repositioning flag: the frame changed.
inline constexpr unsigned swpFrameChanged = 0x0020;

class TAppBarSliver;

class TAppBar : public QWidget {
  Q_OBJECT

 public:
  explicit TAppBar(QWidget* parent = nullptr);
  ~TAppBar() override;

  // Published properties.
  TAppBarEdge Edge() const { return CurrentEdge(); }
  void SetEdge(TAppBarEdge value) { PlaceAtEdge(value); }
  TAppBarFlags Flags() const { return FFlags; }
  void SetFlags(TAppBarFlags value) { FFlags = value; }
  bool AutoHide() const { return FAutoHide; }
  void SetAutoHide(bool value) { FAutoHide = value; }
  bool AlwaysOnTop() const { return FAlwaysOnTop; }
  void SetAlwaysOnTop(bool value) { FAlwaysOnTop = value; }
  bool SlideEffect() const { return FSlideEffect; }
  void SetSlideEffect(bool value) { FSlideEffect = value; }
  int SlideTime() const { return FSlideTime; }
  void SetSlideTime(int value);
  int HorzSizeInc() const { return FHorzSizeInc; }
  void SetHorzSizeInc(int value) { FHorzSizeInc = value; }
  int VertSizeInc() const { return FVertSizeInc; }
  void SetVertSizeInc(int value) { FVertSizeInc = value; }
  int VertDockSize() const { return FVertDockSize; }
  void SetVertDockSize(int value) { FVertDockSize = value; }
  int HorzDockSize() const { return FHorzDockSize; }
  void SetHorzDockSize(int value) { FHorzDockSize = value; }
  int FloatLeft() const { return FFloatRect.left; }
  void SetFloatLeft(int value) { FFloatRect.left = value; }
  int FloatTop() const { return FFloatRect.top; }
  void SetFloatTop(int value) { FFloatRect.top = value; }
  int FloatRight() const { return FFloatRect.right; }
  void SetFloatRight(int value) { FFloatRect.right = value; }
  int FloatBottom() const { return FFloatRect.bottom; }
  void SetFloatBottom(int value) { FFloatRect.bottom = value; }
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int value);
  int MinVertDockSize() const { return FMinVertDockSize; }
  void SetMinVertDockSize(int value) { FMinVertDockSize = value; }
  int MinHorzDockSize() const { return FMinHorzDockSize; }
  void SetMinHorzDockSize(int value) { FMinHorzDockSize = value; }
  int MaxVertDockSize() const { return FMaxVertDockSize; }
  void SetMaxVertDockSize(int value) { FMaxVertDockSize = value; }
  int MaxHorzDockSize() const { return FMaxHorzDockSize; }
  void SetMaxHorzDockSize(int value) { FMaxHorzDockSize = value; }
  TAppBarTaskEntry TaskEntry() const { return FTaskEntry; }
  void SetTaskEntry(TAppBarTaskEntry value) { FTaskEntry = value; }

  // Virtual operations, in slot order.
  virtual void ApplyEdgeStyle(bool duringMove, TAppBarEdge edge);
  virtual void AutoHideRefused();
  virtual void FullScreenAppChanged(bool open);
  virtual void PositionChanged();
  virtual void WindowsArranged(bool starting);
  virtual void RefreshPlacement();

  TAppBarEdge CurrentEdge() const;
  void PlaceAtEdge(TAppBarEdge value);
  std::uintptr_t AppBarMessage(TAppBarMessage message, TAppBarEdge edge, TRect* rect = nullptr,
                               bool copyBack = false, std::intptr_t parameter = 0);
  TAppBarEdge ProposedEdgeAt(TPoint screenPoint) const;
  TAppBarEdge EdgeFromPoint(TAppBarFlags flags, TPoint point) const;
  void DockRect(TAppBarEdge edge, TRect& rect);
  bool AutoHideRect(bool show, TRect& rect) const;
  void ShowAutoHidden(bool show);
  // Moves the window to `target`: with the slide effect over SlideTime by
  // steps of the event loop (no faster than the screen shows them), else at
  // once. A new target takes over from where a running slide stands.
  void SlideTo(const TRect& target);
  void SlideStep();
  TAppBarEdge AutoHideEdge();
  static bool ModifyStyle(TAppBar* window, TStyleIndex index, unsigned swpFlags, unsigned add,
                          unsigned remove);
  static bool IsVerticalEdge(TAppBarEdge edge) { return edge == abeLeft || edge == abeRight; }
  static bool IsHorizontalEdge(TAppBarEdge edge) { return edge == abeTop || edge == abeBottom; }

  // The window's style words (caption, system menu, frame …).
  unsigned Style(TStyleIndex index) const { return index == gwlStyle ? FStyle : FExStyle; }
  // The native id the shell knows the bar by; creating it registers the bar.
  platform::WindowId Handle();
  // The window rectangle in screen coordinates, frame included.
  TRect WindowRect() const;
  void SetWindowRect(const TRect& rect);

  // Internal state, readable for derived windows and tests.
  TAppBarEdge MovingEdge() const { return FMovingEdge; }
  bool FullScreenApp() const { return FFullScreenApp; }
  bool AutoHideShown() const { return FAutoHideShown; }
  QTimer* AutoHideTimer() const { return FAutoHideTimer; }
  // A slide is under way: the event loop moves the window on.
  bool Sliding() const { return FSlideTimer != nullptr && FSlideTimer->isActive(); }

  // Reactions to the platform's window messages. The shell's callback
  // (message 1124): parameter 1, 2 or 3 with a flag.
  void ShellCallback(int notification, bool flag);
  void EnterSizeMove();
  void Moving(TRect& rect);
  void ExitSizeMove();
  void Sizing(TSizingSide side, TRect& rect) const;
  // Smallest and largest size the user may give the window.
  void MinMaxTrackingSize(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) const;
  // Refines the default hit-test code `h` of a screen point.
  int HitTest(TPoint screenPoint, int h) const;
  // The auto-hide check, run on each tick of AutoHideTimer, which runs only
  // while the bar is docked with auto-hide and slid in.
  void AutoHideCheck();
  // The mouse moved over the bar's own surface (the frame on desktops that
  // give it one).
  void NonClientMouseMove();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Window creation: registers the bar and places it.
  void CreateWnd();
  void PostSettlePlacement();
  void WindowRecreated();
  // The hit-test code before the bar refines it: the sizing band of a
  // docked bar, else the client area.
  int DefaultHitTest(TPoint screenPoint) const;
  // Puts the window at `rect` (screen coordinates, frame included).
  void PlaceWindow(const TRect& rect);
  void ApplyTrackingSize();
  void ApplyTrackingSize(QSize client);
  void SetSizeHints(QSize minimum, QSize maximum, QSize increment);
  // The frame around the client area (none while docked on X11).
  QMargins FrameMargins() const;
  void UpdateSliver();
  // Docked with auto-hide and slid in: the one state the auto-hide check
  // can act in, and the only one its timer runs in.
  bool ShownAutoHidden() const;
  void UpdateAutoHideTimer();
  // A drag the bar runs itself, since the window manager moves no docked
  // bar; a floating bar moved by the window manager is followed by a poll.
  void DragTo(TPoint cursor);
  void FollowWindowManagerMove();
  void EndWindowManagerMove();

  TAppBarEdge FEdge = abeFloat;
  TAppBarFlags FFlags = abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom | abfAllowFloat;
  bool FAutoHide = false;
  bool FAlwaysOnTop = true;
  bool FSlideEffect = true;
  int FSlideTime = 400;
  int FHorzSizeInc = 1;
  int FVertSizeInc = 1;
  int FVertDockSize = 32;
  int FHorzDockSize = 32;
  TRect FFloatRect;
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
  int FMinVertDockSize = 0;
  int FMinHorzDockSize = 0;
  int FMaxVertDockSize = 0;
  int FMaxHorzDockSize = 0;
  TAppBarTaskEntry FTaskEntry = abtFloatDependent;

  TAppBarEdge FMovingEdge = abeUnknown;
  bool FFullScreenApp = false;
  bool FAutoHideShown = false;
  QTimer* FAutoHideTimer = nullptr;
  QTimer* FSlideTimer = nullptr;
  TRect FSlideFrom;
  TRect FSlideTarget;
  std::int64_t FSlideStart = 0;

  unsigned FStyle = wsCaption | wsSysMenu | wsThickFrame | wsMinimizeBox | wsMaximizeBox;
  unsigned FExStyle = wsExAppWindow;
  platform::WindowId FHandle = 0;
  bool FCreated = false;
  // Depth of PlaceAtEdge calls under way.
  int FPlacing = 0;
  bool FSettlePending = false;

  // The mouse event being handled: the pointer and keys as they were when
  // it happened, which later in a busy event queue they no longer are.
  struct TMessageState {
    TPoint cursor;
    bool primaryDown = false;
    bool controlDown = false;
  };
  std::optional<TMessageState> FMessage;
  TPoint MessageCursor() const;
  bool PrimaryDown() const;
  bool ControlDown() const;
  // Makes `event` the current message for the rest of the scope.
  class TCurrentMessage {
   public:
    TCurrentMessage(TAppBar& bar, const QMouseEvent& event);
    ~TCurrentMessage() { bar_.FMessage.reset(); }

   private:
    TAppBar& bar_;
  };

  // The drag under way: 0 none, htCaption moving, or the sizing code.
  int FDragCode = 0;
  TPoint FDragCursor;
  TPoint FDragOrigin;
  TRect FDragRect;
  QTimer* FWindowManagerMove = nullptr;
  // Where the bar last put itself, to tell its own moves from others'.
  TRect FPlacedRect;
  TAppBarSliver* FSliver = nullptr;
};

}  // namespace tolvex
