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

}  // namespace tolvex::platform::sim
