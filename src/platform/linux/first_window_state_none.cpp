// Builds without X11 have no window manager to ask: windows open normally.
#ifndef TOLVEX_HAVE_X11
#include "platform/linux/first_window_state.h"

namespace tolvex::platform {

void RequestFirstWindowState(std::int64_t, int) {}

}  // namespace tolvex::platform
#endif
