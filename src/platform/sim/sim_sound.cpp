// Simulated sound playback.
#include "platform/sim/sim_sound.h"

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

void SimSound::PlayWaveFile(const std::string& path) {
  Log("sound", "play", {path});
}

}  // namespace tolvex::platform::sim
