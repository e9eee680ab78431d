// Simulated desktop: fixed values that a test sets.
#pragma once

#include <map>

#include "platform/desktop.h"

namespace tolvex::platform::sim {

class SimDesktop : public IDesktop {
 public:
  Rect ScreenRect() override { return screen_; }
  Rect WorkArea() override { return workArea_; }
  int Metric(SystemMetric metric) override;
  bool FullWindowDrag() override { return fullWindowDrag_; }
  bool IsKeyDown(Key key) override;
  Point CursorPos() override { return cursor_; }
  // Each reading moves the simulated clock on by the tick step, so loops
  // that wait for the clock end after a known number of readings.
  std::int64_t TickCount() override;

  void SetScreenRect(Rect r) { screen_ = r; }
  void SetWorkArea(Rect r) { workArea_ = r; }
  void SetMetric(SystemMetric metric, int value) { metrics_[metric] = value; }
  void SetFullWindowDrag(bool on) { fullWindowDrag_ = on; }
  void SetKeyDown(Key key, bool down) { keys_[key] = down; }
  void SetCursorPos(Point p) { cursor_ = p; }
  void SetTickStep(int milliseconds) { tickStep_ = milliseconds; }

 private:
  Rect screen_{0, 0, 1024, 768};
  Rect workArea_{0, 0, 1024, 768};
  bool fullWindowDrag_ = true;
  Point cursor_;
  std::int64_t tick_ = 0;
  int tickStep_ = 50;
  std::map<SystemMetric, int> metrics_;
  std::map<Key, bool> keys_;
};

}  // namespace tolvex::platform::sim
