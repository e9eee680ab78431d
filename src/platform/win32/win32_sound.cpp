#include "platform/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/wide_text.h"

namespace tolvex::platform {

void Win32Sound::PlayWaveFile(const std::string& path) {
  if (path.empty()) return;
  // Without SND_NODEFAULT a missing file would play the default sound.
  PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

}  // namespace tolvex::platform
