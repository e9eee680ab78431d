// Slot of the sound service.
#include "platform/sound.h"

#include "platform/backends.h"
#include "platform/service.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISound>& Slot() {
  static ServiceSlot<ISound> slot("sound", NativeSound, SimulatedSound);
  return slot;
}

}  // namespace

ISound& Sound() {
  return Slot().Get();
}
void SetSound(std::unique_ptr<ISound> sound) {
  Slot().Set(std::move(sound));
}

}  // namespace tolvex::platform
