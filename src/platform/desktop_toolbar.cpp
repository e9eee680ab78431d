// Slot of the desktop-toolbar service: the X11 back end when the program
// runs on an X display, else one that reserves nothing.
#include "platform/desktop_toolbar.h"

#include "platform/linux/unmanaged_desktop_toolbar.h"
#include "platform/service.h"
#include "platform/sim/sim_desktop_toolbar.h"
#ifdef TOLVEX_HAVE_X11
#include "platform/x11/x11_desktop_toolbar.h"
#endif

namespace tolvex::platform {

namespace {

std::unique_ptr<IDesktopToolbar> Native() {
#ifdef TOLVEX_HAVE_X11
  if (auto x11 = x11::X11DesktopToolbar::Create()) return x11;
#endif
  return std::make_unique<UnmanagedDesktopToolbar>();
}

ServiceSlot<IDesktopToolbar>& Slot() {
  static ServiceSlot<IDesktopToolbar> slot("toolbar", Native, [] {
    return std::unique_ptr<IDesktopToolbar>(std::make_unique<sim::SimDesktopToolbar>());
  });
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
