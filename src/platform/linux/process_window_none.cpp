// Builds without X11 have no window manager to ask.
#ifndef TOLVEX_HAVE_X11
#include "platform/linux/process_window.h"

namespace tolvex::platform {

bool ActivateProcessWindow(std::int64_t) {
  return false;
}

}  // namespace tolvex::platform
#endif
