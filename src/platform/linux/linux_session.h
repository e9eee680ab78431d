// Session end on Linux: systemd-logind over D-Bus on a connection handed in
// (the system bus in the program, a private bus in tests), the user's network
// mounts, and the lock keys through X.
//
// The right to shut down or restart is what logind answers to CanPowerOff or
// CanReboot: "yes" and "challenge" (the system asks for a password) grant
// it; log off and disconnect need none. A forced power off is logind's power
// off, which overrides the applications' inhibitors where policy allows.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <functional>
#include <string>

#include "platform/linux/network_mounts.h"
#include "platform/session.h"

namespace tolvex::platform {

class LinuxSession : public ISession {
 public:
  // What the session service reaches besides logind; tests replace them.
  struct Parts {
    // The session to log off and to ask "Remote"; empty: the caller's.
    QString sessionId;
    std::string mountInfo = "/proc/self/mountinfo";
    std::function<void(const NetworkMount&)> unmount = Unmount;
    // Lock keys; empty functions: every key is off (no X display).
    std::function<bool(LockKey)> isLockKeyOn;
    std::function<void(LockKey)> switchLockKeyOff;
  };

  LinuxSession(const QDBusConnection& bus, Parts parts);

  // An SSH connection or a remote desktop server's variable in the
  // environment makes a remote session too.
  bool IsRemoteSession() override;
  bool ObtainPrivilege(SessionRequest request) override;
  // Disconnecting needs a way the desktop offers to end only the remote
  // connection; none is known here, so it fails.
  bool Request(SessionRequest request) override;
  bool DropNetworkDrives() override;
  bool IsLockKeyOn(LockKey key) override;
  void SwitchLockKeyOff(LockKey key) override;

  // The session of the system-wide back end: $XDG_SESSION_ID, else the
  // caller's, and the lock keys of Qt's X connection.
  static Parts NativeParts();

 private:
  bool Can(const char* method);
  bool Call(const char* method, const QVariantList& arguments);

  QDBusConnection bus_;
  Parts parts_;
};

}  // namespace tolvex::platform
