// A stand-in for a launched program: writes its working folder, arguments
// and process id to the file named by TOLVEX_RECORDER_OUT, one "key=value"
// a line, ending with "end". With TOLVEX_RECORDER_WINDOW set it also maps a
// window on $DISPLAY (naming its id) and keeps it for up to 30 seconds.
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/x11/intern_atom.h"

namespace {

using tolvex::platform::x11::InternAtom;

// Maps a window that names this process; 0 when there is no display.
xcb_window_t MapWindow(xcb_connection_t* connection) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_window_t window = xcb_generate_id(connection);
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 200, 100, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  const uint32_t pid = static_cast<uint32_t>(getpid());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                      InternAtom(connection, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                      8, 8, "recorder");
  xcb_map_window(connection, window);
  xcb_flush(connection);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  const char* out = std::getenv("TOLVEX_RECORDER_OUT");
  if (out == nullptr) return 2;
  xcb_connection_t* connection = nullptr;
  xcb_window_t window = 0;
  if (std::getenv("TOLVEX_RECORDER_WINDOW") != nullptr) {
    connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) window = MapWindow(connection);
  }
  // Written to a temporary name and renamed, so a reader never sees half.
  const std::string partial = std::string(out) + ".part";
  FILE* file = std::fopen(partial.c_str(), "w");
  if (file == nullptr) return 3;
  char cwd[4096] = "";
  if (getcwd(cwd, sizeof cwd) == nullptr) cwd[0] = '\0';
  std::fprintf(file, "cwd=%s\n", cwd);
  for (int i = 1; i < argc; ++i) std::fprintf(file, "arg=%s\n", argv[i]);
  std::fprintf(file, "pid=%d\nwindow=%u\nend\n", static_cast<int>(getpid()), window);
  std::fclose(file);
  std::rename(partial.c_str(), out);
  if (window != 0) {
    const std::time_t until = std::time(nullptr) + 30;
    while (std::time(nullptr) < until && !xcb_connection_has_error(connection)) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) free(event);
      usleep(50000);
    }
  }
  if (connection != nullptr) xcb_disconnect(connection);
  return 0;
}
