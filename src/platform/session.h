// The session-end service: the right to shut down, ending the session
// (power off, restart, log off, a forced power off), the remote-session test
// and disconnect, dropping the network drives, and the lock keys.
#pragma once

#include <memory>

namespace tolvex::platform {

// What the user asks of the session.
enum class SessionRequest { PowerOff, Reboot, LogOff, ForcedPowerOff, Disconnect };

// The three lock keys, in the order they are switched off.
enum class LockKey { ScrollLock, CapsLock, NumLock };

class ISession {
 public:
  virtual ~ISession() = default;

  // True when the bar runs in a remote session; asked anew each time.
  virtual bool IsRemoteSession() = 0;

  // Obtains the right to carry out `request`; false when it is refused.
  virtual bool ObtainPrivilege(SessionRequest request) = 0;

  // Asks the system to carry out `request`; false when it refuses or the
  // request cannot be made (a disconnect outside a remote session, say).
  // A forced power off does not wait for applications to close.
  virtual bool Request(SessionRequest request) = 0;

  // Drops the user's network drives, forcibly; failures of single drives
  // are ignored. False when the drives cannot be enumerated.
  virtual bool DropNetworkDrives() = 0;

  // The state of a lock key's light, and switching it off.
  virtual bool IsLockKeyOn(LockKey key) = 0;
  virtual void SwitchLockKeyOff(LockKey key) = 0;
};

// The back end chosen at start; its name in TOLVEX_SIM_NATIVE is
// "session_end".
ISession& Session();
// Replaces it (tests); nullptr returns to the default choice.
void SetSession(std::unique_ptr<ISession> session);

}  // namespace tolvex::platform
