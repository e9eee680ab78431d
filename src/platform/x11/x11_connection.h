// The X connection Qt opened, reached through Qt's native interface, and
// small property helpers for the X11 back ends. Everything returns empty
// results when the program does not run on an X display.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvex::platform::x11 {

// Qt's connection, or nullptr without an X display.
xcb_connection_t* Connection();
// The root window and size of the default X screen.
xcb_window_t Root();
int ScreenWidth();
int ScreenHeight();

// The atom of `name`, interned once.
xcb_atom_t Atom(const std::string& name);

// The 32-bit values of a property (window ids, cardinals, atoms).
std::vector<std::uint32_t> Get32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);
// Replaces a property with 32-bit values of `type`.
void Set32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
           const std::vector<std::uint32_t>& values);
void Delete(xcb_window_t window, xcb_atom_t property);

// Whether `window` still exists on the server.
bool WindowExists(xcb_window_t window);

// The modifier and button mask of the pointer (XCB_BUTTON_MASK_1 …), or
// nothing without an X display.
std::optional<std::uint16_t> PointerMask();

}  // namespace tolvex::platform::x11
