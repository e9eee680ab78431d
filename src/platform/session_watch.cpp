// Slot of the session watch.
#include "platform/session_watch.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISessionWatch>& Slot() {
  static ServiceSlot<ISessionWatch> slot("session", NativeSessionWatch, SimulatedSessionWatch);
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
