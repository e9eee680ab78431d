// Simulated session watch: nothing of the real system reaches it; tests end
// the session or lose the display by calling it.
#pragma once

#include "platform/session_watch.h"

namespace tolvex::platform::sim {

class SimSessionWatch : public ISessionWatch {
 public:
  void Watch(std::function<void()> onEnd, std::function<void()> onDisplayLost) override;

  // What the platform would do: ask the program to end, or lose the display.
  void EndSession();
  void LoseDisplay();

 private:
  std::function<void()> onEnd_;
  std::function<void()> onDisplayLost_;
};

}  // namespace tolvex::platform::sim
