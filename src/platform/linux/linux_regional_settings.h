// Regional settings on Linux: from the user's locale for dates and times.
#pragma once

#include "platform/regional_settings.h"

namespace tolvex::platform {

class LinuxRegionalSettings : public IRegionalSettings {
 public:
  // Reads the locale named by LC_ALL, else LC_TIME, else LANG.
  LinuxRegionalSettings();
  const RegionalFormat& Format() override { return format_; }

 private:
  RegionalFormat format_;
};

// The settings of a locale name such as "de_DE.UTF-8@euro"; the C and POSIX
// locales, an empty name and names no locale data exists for give the German
// settings, the language of the user interface.
RegionalFormat RegionalFormatOfLocale(const std::string& localeName);

}  // namespace tolvex::platform
