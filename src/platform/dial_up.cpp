// Slot of the dial-up networking service.
#include "platform/dial_up.h"

#include <QDBusConnection>

#include "platform/linux/nm_dial_up.h"
#include "platform/service.h"
#include "platform/sim/sim_dial_up.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IDialUp>& Slot() {
  static ServiceSlot<IDialUp> slot(
      "dialup",
      [] {
        return std::unique_ptr<IDialUp>(std::make_unique<NmDialUp>(QDBusConnection::systemBus()));
      },
      [] { return std::unique_ptr<IDialUp>(std::make_unique<sim::SimDialUp>()); });
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
