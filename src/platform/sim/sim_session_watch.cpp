// Simulated session watch.
#include "platform/sim/sim_session_watch.h"

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

void SimSessionWatch::Watch(std::function<void()> onEnd, std::function<void()> onDisplayLost) {
  Log("session_watch", "watch", {onEnd ? "on" : "off"});
  onEnd_ = std::move(onEnd);
  onDisplayLost_ = std::move(onDisplayLost);
}

void SimSessionWatch::EndSession() {
  if (onEnd_) onEnd_();
}

void SimSessionWatch::LoseDisplay() {
  if (onDisplayLost_) onDisplayLost_();
}

}  // namespace tolvex::platform::sim
