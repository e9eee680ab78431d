// Slot of the desktop-toolbar service.
#include "platform/desktop_toolbar.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDesktopToolbar>& Slot() {
  static ServiceSlot<IDesktopToolbar> slot("toolbar", NativeDesktopToolbar, SimulatedDesktopToolbar);
  return slot;
}

}  // namespace

IDesktopToolbar& DesktopToolbar() {
  return Slot().Get();
}
void SetDesktopToolbar(std::unique_ptr<IDesktopToolbar> toolbar) {
  Slot().Set(std::move(toolbar));
}

}  // namespace tolvex::platform
