// Reading and switching off the lock keys with the X keyboard extension.
#include "platform/x11/x11_lock_keys.h"

#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

#include "platform/x11/intern_atom.h"

namespace tolvex::platform::x11 {

namespace {

constexpr std::uint32_t kNumLockKeysym = 0xff7f;
constexpr std::uint32_t kScrollLockKeysym = 0xff14;
constexpr char kScrollLockIndicator[] = "Scroll Lock";

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

}  // namespace

X11LockKeys::X11LockKeys(xcb_connection_t* connection) : connection_(connection) {}

bool X11LockKeys::Ready() {
  if (!checked_ && connection_ != nullptr && !xcb_connection_has_error(connection_)) {
    checked_ = true;
    Reply<xcb_xkb_use_extension_reply_t> reply(xcb_xkb_use_extension_reply(
        connection_,
        xcb_xkb_use_extension(connection_, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    available_ = reply && reply->supported;
  }
  return available_;
}

std::uint8_t X11LockKeys::ModifierOfKeysym(std::uint32_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  const int first = setup->min_keycode;
  const int count = setup->max_keycode - setup->min_keycode + 1;
  Reply<xcb_get_keyboard_mapping_reply_t> keyboard(xcb_get_keyboard_mapping_reply(
      connection_,
      xcb_get_keyboard_mapping(connection_, static_cast<xcb_keycode_t>(first),
                               static_cast<std::uint8_t>(count)),
      nullptr));
  Reply<xcb_get_modifier_mapping_reply_t> modifiers(
      xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
  if (!keyboard || !modifiers || keyboard->keysyms_per_keycode == 0) return 0;
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keyboard.get());
  const int keysymCount = xcb_get_keyboard_mapping_keysyms_length(keyboard.get());
  const auto hasKeysym = [&](xcb_keycode_t keycode) {
    const int row = (keycode - first) * keyboard->keysyms_per_keycode;
    for (int i = 0; i < keyboard->keysyms_per_keycode; ++i) {
      if (row + i >= 0 && row + i < keysymCount && keysyms[row + i] == keysym) return true;
    }
    return false;
  };
  const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(modifiers.get());
  const int perModifier = modifiers->keycodes_per_modifier;
  for (int modifier = 0; modifier < 8; ++modifier) {
    for (int i = 0; i < perModifier; ++i) {
      const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
      if (keycode != 0 && hasKeysym(keycode)) return static_cast<std::uint8_t>(1u << modifier);
    }
  }
  return 0;
}

std::uint8_t X11LockKeys::ModifierOf(LockKey key) {
  switch (key) {
    case LockKey::CapsLock:
      return XCB_MOD_MASK_LOCK;
    case LockKey::NumLock:
      return ModifierOfKeysym(kNumLockKeysym);
    case LockKey::ScrollLock:
      return ModifierOfKeysym(kScrollLockKeysym);
  }
  return 0;
}

std::uint8_t X11LockKeys::LockedModifiers() {
  Reply<xcb_xkb_get_state_reply_t> state(xcb_xkb_get_state_reply(
      connection_, xcb_xkb_get_state(connection_, XCB_XKB_ID_USE_CORE_KBD), nullptr));
  return state ? state->lockedMods : 0;
}

bool X11LockKeys::ScrollLockIndicator() {
  Reply<xcb_xkb_get_named_indicator_reply_t> indicator(xcb_xkb_get_named_indicator_reply(
      connection_,
      xcb_xkb_get_named_indicator(connection_, XCB_XKB_ID_USE_CORE_KBD,
                                  XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID,
                                  InternAtom(connection_, kScrollLockIndicator)),
      nullptr));
  return indicator && indicator->found && indicator->on;
}

bool X11LockKeys::IsOn(LockKey key) {
  if (!Ready()) return false;
  const std::uint8_t modifier = ModifierOf(key);
  if (modifier != 0 && (LockedModifiers() & modifier) != 0) return true;
  return key == LockKey::ScrollLock && ScrollLockIndicator();
}

void X11LockKeys::SwitchOff(LockKey key) {
  if (!Ready()) return;
  const std::uint8_t modifier = ModifierOf(key);
  if (modifier != 0) {
    xcb_xkb_latch_lock_state(connection_, XCB_XKB_ID_USE_CORE_KBD, modifier, 0, 0, 0, 0, 0, 0);
  }
  if (key == LockKey::ScrollLock) {
    xcb_xkb_set_named_indicator(connection_, XCB_XKB_ID_USE_CORE_KBD,
                                XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID,
                                InternAtom(connection_, kScrollLockIndicator), 1, 0, 0, 0, 0, 0, 0,
                                0, 0, 0, 0);
  }
  // A round trip makes the change take effect before the caller goes on.
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

}  // namespace tolvex::platform::x11
