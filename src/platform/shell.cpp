// Slot of the shell service.
#include "platform/shell.h"

#include "platform/linux/linux_shell.h"
#include "platform/service.h"
#include "platform/sim/sim_shell.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IShell>& Slot() {
  static ServiceSlot<IShell> slot(
      "shell", [] { return std::unique_ptr<IShell>(std::make_unique<LinuxShell>()); },
      [] { return std::unique_ptr<IShell>(std::make_unique<sim::SimShell>()); });
  return slot;
}

}  // namespace

IShell& Shell() {
  return Slot().Get();
}
void SetShell(std::unique_ptr<IShell> shell) {
  Slot().Set(std::move(shell));
}

}  // namespace tolvex::platform
