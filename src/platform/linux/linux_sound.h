// Sound on Linux through the desktop's event-sound library, loaded when the
// first sound plays, so that a bar that never plays one neither starts slower
// nor holds the library in memory.
#pragma once

#include "platform/sound.h"

namespace tolvex::platform {

class LinuxSound : public ISound {
 public:
  void PlayWaveFile(const std::string& path) override;
};

}  // namespace tolvex::platform
