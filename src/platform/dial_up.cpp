// Slot of the dial-up networking service.
#include "platform/dial_up.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDialUp>& Slot() {
  static ServiceSlot<IDialUp> slot("dialup", NativeDialUp, SimulatedDialUp);
  return slot;
}

}  // namespace

IDialUp& DialUp() {
  return Slot().Get();
}
void SetDialUp(std::unique_ptr<IDialUp> dialUp) {
  Slot().Set(std::move(dialUp));
}

}  // namespace tolvex::platform
