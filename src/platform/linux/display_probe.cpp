// The display probe: on X11 one connection is opened and closed again.
#include "platform/display_probe.h"

#include <cstdlib>

#ifdef TOLVEX_HAVE_X11
#include <xcb/xcb.h>
#endif

namespace tolvex::platform {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::string DisplayProblem(const std::string& displayArgument, const std::string& guiPlatform) {
  const std::string platform = guiPlatform.empty() ? Environment("QT_QPA_PLATFORM") : guiPlatform;
  // Other platforms (offscreen, a Wayland compositor) report for themselves.
  if (!platform.empty() && platform.rfind("xcb", 0) != 0) return {};
  const std::string display = displayArgument.empty() ? Environment("DISPLAY") : displayArgument;
  if (display.empty()) return "Keine Anzeige: DISPLAY ist nicht gesetzt.";
#ifdef TOLVEX_HAVE_X11
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (failed) return "Keine Anzeige: die X-Anzeige \"" + display + "\" ist nicht erreichbar.";
#endif
  return {};
}

}  // namespace tolvex::platform
