// Slot of the shell service.
#include "platform/shell.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<IShell>& Slot() {
  static ServiceSlot<IShell> slot("shell", NativeShell, SimulatedShell);
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
