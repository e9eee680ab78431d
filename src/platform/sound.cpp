// Slot of the sound service.
#include "platform/sound.h"

#include "platform/linux/linux_sound.h"
#include "platform/service.h"
#include "platform/sim/sim_sound.h"

namespace tolvex::platform {

namespace {

ServiceSlot<ISound>& Slot() {
  static ServiceSlot<ISound> slot(
      "sound", [] { return std::unique_ptr<ISound>(std::make_unique<LinuxSound>()); },
      [] { return std::unique_ptr<ISound>(std::make_unique<sim::SimSound>()); });
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
