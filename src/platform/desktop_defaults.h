// The desktop's default applications: the programs a new user's bar offers
// as its first launchers.
#pragma once

#include <memory>
#include <string>

namespace tolvex::platform {

enum class DefaultApplication { daTerminal, daFileManager, daWebBrowser };

class IDesktopDefaults {
 public:
  virtual ~IDesktopDefaults() = default;
  // What a launcher of `which` opens: a program or a desktop entry file
  // (UTF-8 path); empty when the desktop names none or it is not installed.
  virtual std::string Find(DefaultApplication which) = 0;
};

// The back end chosen at start ("desktop_defaults" in TOLVEX_SIM_NATIVE).
IDesktopDefaults& DesktopDefaults();
// Replaces it (tests); nullptr returns to the default choice.
void SetDesktopDefaults(std::unique_ptr<IDesktopDefaults> defaults);

}  // namespace tolvex::platform
