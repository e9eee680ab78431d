// The sound service on Windows: the system plays the WAV file.
#pragma once

#include "platform/sound.h"

namespace tolvex::platform {

class Win32Sound : public ISound {
 public:
  void PlayWaveFile(const std::string& path) override;
};

}  // namespace tolvex::platform
