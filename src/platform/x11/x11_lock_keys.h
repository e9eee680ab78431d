// The lock keys through the X keyboard extension: Caps Lock and Num Lock are
// locked modifiers (Caps Lock the Lock modifier, Num Lock the one the
// keyboard map binds to the Num_Lock key); Scroll Lock is known by its
// indicator, which X servers drive on the applications' request, and by a
// modifier where the map binds one to the Scroll_Lock key. No key events are
// synthesised: the lock state itself is changed.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>

#include "platform/session.h"

namespace tolvex::platform::x11 {

class X11LockKeys {
 public:
  // `connection` may be nullptr (no X display): every key reads as off.
  explicit X11LockKeys(xcb_connection_t* connection);

  bool IsOn(LockKey key);
  void SwitchOff(LockKey key);

 private:
  bool Ready();
  // The real modifier bound to the key of `keysym`, or 0.
  std::uint8_t ModifierOfKeysym(std::uint32_t keysym);
  std::uint8_t ModifierOf(LockKey key);
  std::uint8_t LockedModifiers();
  bool ScrollLockIndicator();

  xcb_connection_t* connection_;
  bool checked_ = false;
  bool available_ = false;
};

}  // namespace tolvex::platform::x11
