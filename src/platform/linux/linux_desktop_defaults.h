// The desktop's default applications on Linux: the Debian alternatives
// "x-terminal-emulator" and "x-www-browser" on the PATH, and the desktop
// entry that "xdg-mime" names for folders (and for web addresses when there
// is no "x-www-browser").
#pragma once

#include "platform/desktop_defaults.h"

namespace tolvex::platform {

class LinuxDesktopDefaults : public IDesktopDefaults {
 public:
  std::string Find(DefaultApplication which) override;
};

}  // namespace tolvex::platform
