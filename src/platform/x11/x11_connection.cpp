// Property helpers on Qt's X connection.
#include "platform/x11/x11_connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <map>

#include "platform/x11/intern_atom.h"

namespace tolvex::platform::x11 {

namespace {

xcb_screen_t* DefaultScreen() {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return nullptr;
  return xcb_setup_roots_iterator(xcb_get_setup(c)).data;
}

}  // namespace

xcb_connection_t* Connection() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (app == nullptr) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return nullptr;
  return x11->connection();
}

xcb_window_t Root() {
  xcb_screen_t* screen = DefaultScreen();
  if (screen == nullptr) return XCB_WINDOW_NONE;
  return screen->root;
}

int ScreenWidth() {
  xcb_screen_t* screen = DefaultScreen();
  return screen != nullptr ? screen->width_in_pixels : 0;
}

int ScreenHeight() {
  xcb_screen_t* screen = DefaultScreen();
  return screen != nullptr ? screen->height_in_pixels : 0;
}

xcb_atom_t Atom(const std::string& name) {
  static std::map<std::string, xcb_atom_t> atoms;
  auto it = atoms.find(name);
  if (it != atoms.end()) return it->second;
  xcb_connection_t* c = Connection();
  if (c == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t atom = InternAtom(c, name);
  if (atom != XCB_ATOM_NONE) atoms.emplace(name, atom);
  return atom;
}

std::vector<std::uint32_t> Get32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
  std::vector<std::uint32_t> values;
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == XCB_WINDOW_NONE) return values;
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 4096), nullptr);
  if (reply == nullptr) return values;
  if (reply->format == 32 && reply->type == type) {
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

void Set32(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
           const std::vector<std::uint32_t>& values) {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return;
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                      static_cast<std::uint32_t>(values.size()), values.data());
}

void Delete(xcb_window_t window, xcb_atom_t property) {
  if (xcb_connection_t* c = Connection()) xcb_delete_property(c, window, property);
}

bool WindowExists(xcb_window_t window) {
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == XCB_WINDOW_NONE) return false;
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
  const bool exists = reply != nullptr;
  std::free(reply);
  return exists;
}

std::optional<std::uint16_t> PointerMask() {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return std::nullopt;
  xcb_query_pointer_reply_t* reply =
      xcb_query_pointer_reply(c, xcb_query_pointer(c, Root()), nullptr);
  if (reply == nullptr) return std::nullopt;
  const std::uint16_t mask = reply->mask;
  std::free(reply);
  return mask;
}

}  // namespace tolvex::platform::x11
