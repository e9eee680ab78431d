// The desktop-toolbar shell service: a bar window registers with the shell,
// asks for and reserves a strip at a screen edge, claims the one auto-hide
// place of an edge, and hears from the shell when the reserved space, the
// full-screen state or the window arrangement changes. Windows are named by
// their native id; edges use the shell's codes 0 left, 1 top, 2 right,
// 3 bottom, and ToolbarNoEdge for calls that name no edge.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/geometry.h"

namespace tolvex::platform {

using WindowId = std::uintptr_t;

inline constexpr int ToolbarNoEdge = 5;

// What the shell tells a registered bar.
enum ToolbarNotification : int {
  ToolbarPositionChanged = 1,  // reserved space changed; re-place the bar
  ToolbarFullScreenApp = 2,    // flag: a full-screen application opened (true) or closed
  ToolbarWindowsArranged = 3,  // flag: an arrangement of the windows starts (true) or ends
};
using ToolbarCallback = std::function<void(int notification, bool flag)>;

// The thickness of a window's frame on each side.
struct FrameExtents {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Stacking of a bar among the other windows.
enum class ToolbarZOrder { TopMost, Bottom, NotTopMost };

class IDesktopToolbar {
 public:
  virtual ~IDesktopToolbar() = default;

  // Registers `window` as a bar; notifications go to `callback`. False when
  // the window is registered already.
  virtual bool New(WindowId window, ToolbarCallback callback) = 0;
  // Unregisters the bar; its reservation and auto-hide places are freed.
  virtual bool Remove(WindowId window) = 0;
  // Proposes where the bar may stand at `edge`: `rect` comes in as the wish
  // and goes out shrunk by what other docks hold: earlier bars and other
  // programs' docks on that edge, and at the corners the top and bottom
  // strips a side bar runs into (see docked_strips.h).
  virtual void QueryPos(WindowId window, int edge, Rect& rect) = 0;
  // Reserves `rect` at `edge` after the same adjustment and hands back the
  // rectangle granted. ToolbarNoEdge or an empty rectangle reserves nothing.
  virtual void SetPos(WindowId window, int edge, Rect& rect) = 0;
  // The auto-hide bar of `edge`, 0 when the edge has none.
  virtual WindowId GetAutoHideBar(int edge) = 0;
  // Claims (on) or frees (off) the auto-hide place of `edge`. Claiming fails
  // while another existing window holds it.
  virtual bool SetAutoHideBar(WindowId window, int edge, bool on) = 0;
  // The bar was activated or deactivated.
  virtual void Activate(WindowId window) = 0;
  // The bar's window moved or changed its size.
  virtual void WindowPosChanged(WindowId window) = 0;

  // Window management that goes with the shell's placement:
  virtual void SetZOrder(WindowId window, ToolbarZOrder order) = 0;
  // With caption: an ordinary window with caption and close box (floating);
  // without: the frameless, unmovable look of a docked bar.
  virtual void SetCaption(WindowId window, bool caption) = 0;
  // Whether the bar has an entry in the task list.
  virtual void SetTaskEntry(WindowId window, bool shown) = 0;
  // The frame the bar's window has, or will have once it is shown; nothing
  // where the window toolkit knows the frame itself.
  virtual std::optional<FrameExtents> Frame(WindowId window) = 0;
};

// The back end chosen at start.
IDesktopToolbar& DesktopToolbar();
// Replaces it (tests); nullptr returns to the default choice.
void SetDesktopToolbar(std::unique_ptr<IDesktopToolbar> toolbar);

}  // namespace tolvex::platform
