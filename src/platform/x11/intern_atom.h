// Interning an atom on any X connection (the bar's own, a watcher's, a test
// client's); XCB_ATOM_NONE when the server gives no answer.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace tolvex::platform::x11 {

inline xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace tolvex::platform::x11
