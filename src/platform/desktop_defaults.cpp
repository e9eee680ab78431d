// Slot of the desktop-defaults service.
#include "platform/desktop_defaults.h"

#include "platform/linux/linux_desktop_defaults.h"
#include "platform/service.h"
#include "platform/sim/sim_desktop_defaults.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDesktopDefaults>& Slot() {
  static ServiceSlot<IDesktopDefaults> slot(
      "desktop_defaults",
      [] { return std::unique_ptr<IDesktopDefaults>(std::make_unique<LinuxDesktopDefaults>()); },
      [] {
        return std::unique_ptr<IDesktopDefaults>(std::make_unique<sim::SimDesktopDefaults>());
      });
  return slot;
}

}  // namespace

IDesktopDefaults& DesktopDefaults() {
  return Slot().Get();
}
void SetDesktopDefaults(std::unique_ptr<IDesktopDefaults> defaults) {
  Slot().Set(std::move(defaults));
}

}  // namespace tolvex::platform
