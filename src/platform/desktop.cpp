// Slot of the desktop service and the default metric values.
#include "platform/desktop.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDesktop>& Slot() {
  static ServiceSlot<IDesktop> slot("desktop", NativeDesktop, SimulatedDesktop);
  return slot;
}

}  // namespace

IDesktop& Desktop() {
  return Slot().Get();
}
void SetDesktop(std::unique_ptr<IDesktop> desktop) {
  Slot().Set(std::move(desktop));
}

int DefaultMetric(SystemMetric metric) {
  switch (metric) {
    case SystemMetric::BorderWidth:
    case SystemMetric::BorderHeight:
      return 1;
    case SystemMetric::DoubleClickWidth:
    case SystemMetric::DoubleClickHeight:
      return 4;
    case SystemMetric::VScrollWidth:
    case SystemMetric::HScrollHeight:
    case SystemMetric::HScrollArrowWidth:
      return 17;
  }
  return 0;
}

}  // namespace tolvex::platform
