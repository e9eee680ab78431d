// The desktop service on Windows: the system's metrics and settings.
#pragma once

#include "platform/desktop.h"

namespace tolvex::platform {

class Win32Desktop : public IDesktop {
 public:
  Rect ScreenRect() override;
  Rect WorkArea() override;
  int Metric(SystemMetric metric) override;
  bool FullWindowDrag() override;
  bool IsKeyDown(Key key) override;
  Point CursorPos() override;
  std::int64_t TickCount() override;
};

}  // namespace tolvex::platform
