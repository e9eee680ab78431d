// The default applications of Windows: the command interpreter, the file
// manager in the Windows folder and the program registered for web pages.
#pragma once

#include "platform/desktop_defaults.h"

namespace tolvex::platform {

class Win32DesktopDefaults : public IDesktopDefaults {
 public:
  std::string Find(DefaultApplication which) override;
};

}  // namespace tolvex::platform
