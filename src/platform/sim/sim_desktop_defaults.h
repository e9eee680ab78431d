// Simulated desktop defaults: a desktop that names no default application,
// so a test's first start never picks up what the machine has installed.
#pragma once

#include "platform/desktop_defaults.h"

namespace tolvex::platform::sim {

class SimDesktopDefaults : public IDesktopDefaults {
 public:
  std::string Find(DefaultApplication) override { return {}; }
};

}  // namespace tolvex::platform::sim
