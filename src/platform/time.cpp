// Slot of the time service.
#include "platform/time.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ITime>& Slot() {
  static ServiceSlot<ITime> slot("time", NativeTime, SimulatedTime);
  return slot;
}

}  // namespace

ITime& TimeService() {
  return Slot().Get();
}
void SetTimeService(std::unique_ptr<ITime> time) {
  Slot().Set(std::move(time));
}

}  // namespace tolvex::platform
