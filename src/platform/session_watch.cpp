// Slot of the session watch.
#include "platform/session_watch.h"

#include "platform/linux/linux_session_watch.h"
#include "platform/service.h"
#include "platform/sim/sim_session_watch.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISessionWatch>& Slot() {
  static ServiceSlot<ISessionWatch> slot(
      "session",
      [] { return std::unique_ptr<ISessionWatch>(std::make_unique<LinuxSessionWatch>()); },
      [] { return std::unique_ptr<ISessionWatch>(std::make_unique<sim::SimSessionWatch>()); });
  return slot;
}

}  // namespace

ISessionWatch& SessionWatch() {
  return Slot().Get();
}
void SetSessionWatch(std::unique_ptr<ISessionWatch> watch) {
  Slot().Set(std::move(watch));
}

}  // namespace tolvex::platform
