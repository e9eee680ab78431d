// The sound service: plays a WAV file to its end, as the notes' alarms ask of
// the system. The call blocks while the sound plays.
#pragma once

#include <memory>
#include <string>

namespace tolvex::platform {

class ISound {
 public:
  virtual ~ISound() = default;

  // Plays the WAV file at `path` (UTF-8) and returns when it has ended.
  // Returns at once when the file cannot be played or there is no audio
  // device.
  virtual void PlayWaveFile(const std::string& path) = 0;
};

// The back end chosen at start.
ISound& Sound();
// Replaces it (tests); nullptr returns to the default choice.
void SetSound(std::unique_ptr<ISound> sound);

}  // namespace tolvex::platform
