// Simulated desktop service.
#include "platform/sim/sim_desktop.h"

namespace tolvex::platform::sim {

int SimDesktop::Metric(SystemMetric metric) {
  auto it = metrics_.find(metric);
  return it != metrics_.end() ? it->second : DefaultMetric(metric);
}

bool SimDesktop::IsKeyDown(Key key) {
  auto it = keys_.find(key);
  return it != keys_.end() && it->second;
}

std::int64_t SimDesktop::TickCount() {
  const std::int64_t now = tick_;
  // A step below 1 would stop the clock and hang every loop that waits for it.
  tick_ += tickStep_ > 0 ? tickStep_ : 1;
  return now;
}

}  // namespace tolvex::platform::sim
