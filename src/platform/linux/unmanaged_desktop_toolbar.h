// Desktop-toolbar service where no window system reserves screen space (no
// X11 display): every wish is granted and nothing is reserved, so the bar
// still starts and places itself.
#pragma once

#include "platform/desktop_toolbar.h"

namespace tolvex::platform {

class UnmanagedDesktopToolbar : public IDesktopToolbar {
 public:
  bool New(WindowId, ToolbarCallback) override { return true; }
  bool Remove(WindowId) override { return true; }
  void QueryPos(WindowId, int, Rect&) override {}
  void SetPos(WindowId, int, Rect&) override {}
  WindowId GetAutoHideBar(int) override { return 0; }
  bool SetAutoHideBar(WindowId, int, bool) override { return true; }
  void Activate(WindowId) override {}
  void WindowPosChanged(WindowId) override {}
  void SetZOrder(WindowId, ToolbarZOrder) override {}
  void SetCaption(WindowId, bool) override {}
  void SetTaskEntry(WindowId, bool) override {}
  std::optional<FrameExtents> Frame(WindowId) override { return std::nullopt; }
};

}  // namespace tolvex::platform
