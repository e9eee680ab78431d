// Simulated desktop-toolbar shell.
#include "platform/sim/sim_desktop_toolbar.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>

#include "platform/desktop.h"
#include "platform/docked_strips.h"
#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

namespace {

std::string Text(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

const char* ZOrderName(ToolbarZOrder order) {
  switch (order) {
    case ToolbarZOrder::TopMost:
      return "topmost";
    case ToolbarZOrder::Bottom:
      return "bottom";
    case ToolbarZOrder::NotTopMost:
      return "nottopmost";
  }
  return "";
}

bool IsEdge(int edge) {
  return edge >= 0 && edge <= 3;
}

bool Reserves(int edge, const Rect& rect) {
  return IsEdge(edge) && rect.Width() > 0 && rect.Height() > 0;
}

}  // namespace

SimDesktopToolbar* SimToolbar() {
  return dynamic_cast<SimDesktopToolbar*>(&DesktopToolbar());
}

void SimDesktopToolbar::Record(std::string_view operation,
                               std::initializer_list<std::string> arguments) {
  std::string line(operation);
  std::vector<std::string_view> views;
  for (const std::string& argument : arguments) {
    line += ' ';
    line += argument;
    views.push_back(argument);
  }
  calls_.push_back(line);
  switch (views.size()) {
    case 0:
      Log("toolbar", operation);
      break;
    case 1:
      Log("toolbar", operation, {views[0]});
      break;
    case 2:
      Log("toolbar", operation, {views[0], views[1]});
      break;
    default:
      Log("toolbar", operation, {views[0], views[1], views[2]});
  }
}

const SimDesktopToolbar::Bar* SimDesktopToolbar::Find(WindowId window) const {
  auto it = std::find_if(bars_.begin(), bars_.end(),
                         [window](const Bar& bar) { return bar.window == window; });
  return it != bars_.end() ? &*it : nullptr;
}

SimDesktopToolbar::Bar* SimDesktopToolbar::FindMutable(WindowId window) {
  return const_cast<Bar*>(Find(window));
}

bool SimDesktopToolbar::New(WindowId window, ToolbarCallback callback) {
  Record("new", {std::to_string(window)});
  if (Find(window)) return false;
  Bar bar;
  bar.window = window;
  bar.callback = std::move(callback);
  bars_.push_back(std::move(bar));
  return true;
}

bool SimDesktopToolbar::Remove(WindowId window) {
  Record("remove", {std::to_string(window)});
  for (WindowId& holder : autoHide_) {
    if (holder == window) holder = 0;
  }
  auto it = std::find_if(bars_.begin(), bars_.end(),
                         [window](const Bar& bar) { return bar.window == window; });
  if (it == bars_.end()) return false;
  const bool reserved = Reserves(it->edge, it->reserved);
  bars_.erase(it);
  if (reserved) PostPositionChanged(window);
  return true;
}

void SimDesktopToolbar::Adjust(WindowId window, int edge, Rect& rect) const {
  std::vector<DockedStrip> strips;
  StripHolder holder = StripHolder::EarlierBar;
  for (const Bar& other : bars_) {
    if (other.window == window) {
      holder = StripHolder::LaterBar;
    } else if (Reserves(other.edge, other.reserved)) {
      strips.push_back({other.edge, other.reserved, holder});
    }
  }
  FitBesideStrips(edge, rect, strips);
}

void SimDesktopToolbar::QueryPos(WindowId window, int edge, Rect& rect) {
  Adjust(window, edge, rect);
  Record("querypos", {std::to_string(window), std::to_string(edge), Text(rect)});
}

void SimDesktopToolbar::SetPos(WindowId window, int edge, Rect& rect) {
  Bar* bar = FindMutable(window);
  if (bar == nullptr) {
    Record("setpos", {std::to_string(window), std::to_string(edge), Text(rect)});
    return;
  }
  if (Reserves(edge, rect)) Adjust(window, edge, rect);
  Record("setpos", {std::to_string(window), std::to_string(edge), Text(rect)});
  const Rect reserved = Reserves(edge, rect) ? rect : Rect{};
  const bool changed = bar->reserved != reserved || (Reserves(edge, rect) && bar->edge != edge);
  bar->edge = edge;
  bar->reserved = reserved;
  if (changed) PostPositionChanged(window);
}

WindowId SimDesktopToolbar::GetAutoHideBar(int edge) {
  const WindowId holder = IsEdge(edge) ? autoHide_.at(edge) : 0;
  Record("getautohidebar", {std::to_string(edge), std::to_string(holder)});
  return holder;
}

bool SimDesktopToolbar::SetAutoHideBar(WindowId window, int edge, bool on) {
  bool result = false;
  if (IsEdge(edge)) {
    WindowId& holder = autoHide_.at(edge);
    if (on) {
      result = holder == 0 || holder == window;
      if (result) holder = window;
    } else {
      if (holder == window) holder = 0;
      result = true;
    }
  }
  Record("setautohidebar",
         {std::to_string(window), std::to_string(edge), on ? (result ? "1" : "refused") : "0"});
  return result;
}

void SimDesktopToolbar::Activate(WindowId window) {
  Record("activate", {std::to_string(window)});
}

void SimDesktopToolbar::WindowPosChanged(WindowId window) {
  Record("windowposchanged", {std::to_string(window)});
}

void SimDesktopToolbar::SetZOrder(WindowId window, ToolbarZOrder order) {
  Record("zorder", {std::to_string(window), ZOrderName(order)});
  if (Bar* bar = FindMutable(window)) bar->zOrder = order;
}

void SimDesktopToolbar::SetCaption(WindowId window, bool caption) {
  Record("caption", {std::to_string(window), caption ? "1" : "0"});
  if (Bar* bar = FindMutable(window)) bar->caption = caption;
}

void SimDesktopToolbar::SetTaskEntry(WindowId window, bool shown) {
  Record("taskentry", {std::to_string(window), shown ? "1" : "0"});
  if (Bar* bar = FindMutable(window)) bar->taskEntry = shown;
}

Rect SimDesktopToolbar::WorkArea() const {
  Rect area = Desktop().ScreenRect();
  for (const Bar& bar : bars_) {
    if (Reserves(bar.edge, bar.reserved)) TakeAway(area, {bar.edge, bar.reserved});
  }
  return area;
}

void SimDesktopToolbar::Notify(int notification, bool flag) {
  Record("notify", {std::to_string(notification), flag ? "1" : "0"});
  Deliver(notification, flag, 0);
}

void SimDesktopToolbar::Deliver(int notification, bool flag, WindowId except) {
  // A copy: a bar may register or unregister while it is told.
  std::vector<WindowId> windows;
  for (const Bar& bar : bars_) {
    if (bar.window != except) windows.push_back(bar.window);
  }
  for (WindowId window : windows) {
    const Bar* bar = Find(window);
    if (bar != nullptr && bar->callback) {
      ToolbarCallback callback = bar->callback;
      callback(notification, flag);
    }
  }
}

void SimDesktopToolbar::PostPositionChanged(WindowId except) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  std::weak_ptr<bool> alive = alive_;
  QMetaObject::invokeMethod(
      app,
      [this, alive, except] {
        if (alive.lock()) Deliver(ToolbarPositionChanged, false, except);
      },
      Qt::QueuedConnection);
}

}  // namespace tolvex::platform::sim
