// Slot of the time service.
#include "platform/time.h"

#include "platform/linux/linux_time.h"
#include "platform/service.h"
#include "platform/sim/sim_time.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ITime>& Slot() {
  static ServiceSlot<ITime> slot(
      "time", [] { return std::unique_ptr<ITime>(std::make_unique<LinuxTime>()); },
      [] { return std::unique_ptr<ITime>(std::make_unique<sim::SimTime>()); });
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
