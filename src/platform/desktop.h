// The desktop service: screen and work area, system metrics, the
// full-window-dragging setting, key state, the cursor position and the tick
// count.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/geometry.h"

namespace tolvex::platform {

enum class SystemMetric {
  BorderWidth,       // width of a thin window border (1)
  BorderHeight,      // height of a thin window border (1)
  DoubleClickWidth,  // width of the rectangle a double click may move in (4)
  DoubleClickHeight,
  VScrollWidth,       // width of a vertical scroll bar (17)
  HScrollHeight,      // height of a horizontal scroll bar (17)
  HScrollArrowWidth,  // width of the arrow button of a horizontal scroll bar (17)
};

enum class Key { Shift, Control, Alt, LeftButton, RightButton };

class IDesktop {
 public:
  virtual ~IDesktop() = default;
  virtual Rect ScreenRect() = 0;
  virtual Rect WorkArea() = 0;
  virtual int Metric(SystemMetric metric) = 0;
  virtual bool FullWindowDrag() = 0;
  virtual bool IsKeyDown(Key key) = 0;
  virtual Point CursorPos() = 0;
  // Milliseconds since an arbitrary start, never going back.
  virtual std::int64_t TickCount() = 0;
};

// The back end chosen at start.
IDesktop& Desktop();
// Replaces it (tests); nullptr returns to the default choice.
void SetDesktop(std::unique_ptr<IDesktop> desktop);

// The usual values of the metrics, shared by both back ends.
int DefaultMetric(SystemMetric metric);

}  // namespace tolvex::platform
