// Slot of the desktop-defaults service.
#include "platform/desktop_defaults.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDesktopDefaults>& Slot() {
  static ServiceSlot<IDesktopDefaults> slot("desktop_defaults", NativeDesktopDefaults, SimulatedDesktopDefaults);
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
