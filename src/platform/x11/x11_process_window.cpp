// Activating another process's window: the window manager's client list is
// searched for the first window whose _NET_WM_PID is the process, and the
// window manager is sent _NET_ACTIVE_WINDOW for it, which also restores a
// minimised window.
#include <xcb/xcb.h>

#include "platform/linux/process_window.h"
#include "platform/x11/x11_connection.h"

namespace tolvex::platform {

namespace {

constexpr std::uint32_t kSourceApplication = 1;

}  // namespace

bool ActivateProcessWindow(std::int64_t pid) {
  xcb_connection_t* connection = x11::Connection();
  if (connection == nullptr || pid <= 0) return false;
  for (std::uint32_t window :
       x11::Get32(x11::Root(), x11::Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
    const auto owner = x11::Get32(window, x11::Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL);
    if (owner.empty() || owner.front() != std::uint32_t(pid)) continue;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = x11::Atom("_NET_ACTIVE_WINDOW");
    message.data.data32[0] = kSourceApplication;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, x11::Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
  }
  return false;
}

}  // namespace tolvex::platform
