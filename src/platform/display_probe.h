// Whether the windowing system the bar will show on can be reached, asked
// before the GUI starts: the GUI library ends the process with an abort when
// it cannot connect, which tells a user nothing.
#pragma once

#include <string>

namespace tolvex::platform {

// Empty when the display named by `displayArgument` (the value of a
// "-display" option, or empty for the environment's) can be reached, or when
// the GUI is told to use a platform that needs no display; else one line
// saying why not.
std::string DisplayProblem(const std::string& displayArgument, const std::string& guiPlatform);

}  // namespace tolvex::platform
