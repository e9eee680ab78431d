// Simulated desktop-toolbar shell: bars registered in order on the simulated
// desktop's screen, the strips they reserve, one auto-hide place per edge,
// notifications a test scripts, and the window-management state each bar
// asked for. Every call is logged with sim::Log and kept in Calls().
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop_toolbar.h"

namespace tolvex::platform::sim {

class SimDesktopToolbar : public IDesktopToolbar {
 public:
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
  // The toolkit's own frame stands (the offscreen one in tests).
  std::optional<FrameExtents> Frame(WindowId) override { return std::nullopt; }

  // What a bar asked for; `reserved` is empty when it reserves nothing.
  struct Bar {
    WindowId window = 0;
    ToolbarCallback callback;
    int edge = ToolbarNoEdge;
    Rect reserved;
    ToolbarZOrder zOrder = ToolbarZOrder::NotTopMost;
    bool caption = true;
    bool taskEntry = true;
  };
  const Bar* Find(WindowId window) const;
  bool IsRegistered(WindowId window) const { return Find(window) != nullptr; }

  // The screen of the simulated desktop minus every reserved strip.
  Rect WorkArea() const;
  // Sends a notification to every registered bar at once, as the shell does.
  void Notify(int notification, bool flag = false);
  // Puts a window of another program in an edge's auto-hide place.
  void SetForeignAutoHideBar(int edge, WindowId window) { autoHide_.at(edge) = window; }

  // The calls taken, one line each: "operation arguments…".
  const std::vector<std::string>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

 private:
  Bar* FindMutable(WindowId window);
  void Record(std::string_view operation, std::initializer_list<std::string> arguments);
  // Fits `rect` beside the strips the other bars reserve.
  void Adjust(WindowId window, int edge, Rect& rect) const;
  // Tells the other bars, once control returns to the event loop, that the
  // reserved space changed.
  void PostPositionChanged(WindowId except);
  void Deliver(int notification, bool flag, WindowId except);

  // Lets a posted notification see whether this shell still exists.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  std::vector<Bar> bars_;
  std::array<WindowId, 4> autoHide_{};
  std::vector<std::string> calls_;
};

// The simulated toolbar shell in use, or nullptr when another back end is.
SimDesktopToolbar* SimToolbar();

}  // namespace tolvex::platform::sim
