// The show command of a launch on Linux: there is no way to hand it to a
// program, so the window manager is asked to minimise or maximise the first
// window that the started process (or a process it starts) maps.
#pragma once

#include <cstdint>

namespace tolvex::platform {

// Best effort: does nothing for a normal window, without a window manager
// that follows the desktop conventions, or when no such window appears
// within a while.
void RequestFirstWindowState(std::int64_t pid, int showCommand);

}  // namespace tolvex::platform
