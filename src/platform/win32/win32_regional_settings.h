// Regional settings on Windows: the user's locale through the system's
// locale functions.
#pragma once

#include "platform/regional_settings.h"

namespace tolvex::platform {

class Win32RegionalSettings : public IRegionalSettings {
 public:
  Win32RegionalSettings();
  const RegionalFormat& Format() override { return format_; }

 private:
  RegionalFormat format_;
};

}  // namespace tolvex::platform
