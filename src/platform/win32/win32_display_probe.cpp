// Windows always has its desktop to show on: there is no display to miss.
#include "platform/display_probe.h"

namespace tolvex::platform {

std::string DisplayProblem(const std::string& /*displayArgument*/,
                           const std::string& /*guiPlatform*/) {
  return {};
}

}  // namespace tolvex::platform
