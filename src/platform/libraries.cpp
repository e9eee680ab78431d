// Slot of the dynamic-library service.
#include "platform/libraries.h"

#include "platform/linux/linux_libraries.h"
#include "platform/service.h"
#include "platform/sim/sim_libraries.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ILibraries>& Slot() {
  static ServiceSlot<ILibraries> slot(
      "libraries", [] { return std::unique_ptr<ILibraries>(std::make_unique<LinuxLibraries>()); },
      [] { return std::unique_ptr<ILibraries>(std::make_unique<sim::SimLibraries>()); });
  return slot;
}

}  // namespace

ILibraries& Libraries() {
  return Slot().Get();
}
void SetLibraries(std::unique_ptr<ILibraries> libraries) {
  Slot().Set(std::move(libraries));
}

}  // namespace tolvex::platform
