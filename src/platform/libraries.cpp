// Slot of the dynamic-library service.
#include "platform/libraries.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ILibraries>& Slot() {
  static ServiceSlot<ILibraries> slot("libraries", NativeLibraries, SimulatedLibraries);
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
