// Simulated sound: records the file in the simulation log and plays nothing.
#pragma once

#include "platform/sound.h"

namespace tolvex::platform::sim {

class SimSound : public ISound {
 public:
  void PlayWaveFile(const std::string& path) override;
};

}  // namespace tolvex::platform::sim
