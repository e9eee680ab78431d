// Bringing up the window of another running program through the window
// manager, for programs that cannot be asked to show themselves.
#pragma once

#include <cstdint>

namespace tolvex::platform {

// Asks the window manager to restore and activate the first top-level window
// that process `pid` owns (by its _NET_WM_PID). False when there is no such
// window or no window manager that follows the desktop conventions.
bool ActivateProcessWindow(std::int64_t pid);

}  // namespace tolvex::platform
