// Session end over systemd-logind.
#include "platform/linux/linux_session.h"

#include <unistd.h>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <cstdlib>

#ifdef TOLVEX_HAVE_X11
#include <memory>

#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_lock_keys.h"
#endif

namespace tolvex::platform {

namespace {

constexpr char kService[] = "org.freedesktop.login1";
constexpr char kManagerPath[] = "/org/freedesktop/login1";
constexpr char kManager[] = "org.freedesktop.login1.Manager";
constexpr char kSessionInterface[] = "org.freedesktop.login1.Session";
// A request may wait for the user to authenticate.
constexpr int kRequestTimeoutMs = 120000;
constexpr int kQueryTimeoutMs = 10000;

bool InEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

LinuxSession::LinuxSession(const QDBusConnection& bus, Parts parts)
    : bus_(bus), parts_(std::move(parts)) {}

LinuxSession::Parts LinuxSession::NativeParts() {
  Parts parts;
  parts.sessionId = qEnvironmentVariable("XDG_SESSION_ID");
#ifdef TOLVEX_HAVE_X11
  auto keys = std::make_shared<x11::X11LockKeys>(x11::Connection());
  parts.isLockKeyOn = [keys](LockKey key) { return keys->IsOn(key); };
  parts.switchLockKeyOff = [keys](LockKey key) { keys->SwitchOff(key); };
#endif
  return parts;
}

bool LinuxSession::IsRemoteSession() {
  if (InEnvironment("SSH_CONNECTION") || InEnvironment("XRDP_SESSION")) return true;
  QDBusMessage get = QDBusMessage::createMethodCall(kService, kManagerPath, kManager, "GetSession");
  get << parts_.sessionId;
  const QDBusMessage path = bus_.call(get, QDBus::Block, kQueryTimeoutMs);
  if (path.type() != QDBusMessage::ReplyMessage || path.arguments().isEmpty()) return false;
  QDBusMessage property = QDBusMessage::createMethodCall(
      kService, qvariant_cast<QDBusObjectPath>(path.arguments().first()).path(),
      "org.freedesktop.DBus.Properties", "Get");
  property << QString(kSessionInterface) << QString("Remote");
  const QDBusMessage remote = bus_.call(property, QDBus::Block, kQueryTimeoutMs);
  if (remote.type() != QDBusMessage::ReplyMessage || remote.arguments().isEmpty()) return false;
  return qvariant_cast<QDBusVariant>(remote.arguments().first()).variant().toBool();
}

bool LinuxSession::Can(const char* method) {
  const QDBusMessage reply =
      bus_.call(QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method),
                QDBus::Block, kQueryTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  const QString answer = reply.arguments().first().toString();
  return answer == "yes" || answer == "challenge";
}

bool LinuxSession::ObtainPrivilege(SessionRequest request) {
  switch (request) {
    case SessionRequest::PowerOff:
    case SessionRequest::ForcedPowerOff:
      return Can("CanPowerOff");
    case SessionRequest::Reboot:
      return Can("CanReboot");
    case SessionRequest::LogOff:
    case SessionRequest::Disconnect:
      return true;
  }
  return false;
}

bool LinuxSession::Call(const char* method, const QVariantList& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method);
  call.setArguments(arguments);
  call.setInteractiveAuthorizationAllowed(true);
  return bus_.call(call, QDBus::Block, kRequestTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

bool LinuxSession::Request(SessionRequest request) {
  // The first argument of PowerOff and Reboot lets the system ask for a password.
  switch (request) {
    case SessionRequest::PowerOff:
    case SessionRequest::ForcedPowerOff:
      return Call("PowerOff", {true});
    case SessionRequest::Reboot:
      return Call("Reboot", {true});
    case SessionRequest::LogOff:
      return Call("TerminateSession", {parts_.sessionId});
    case SessionRequest::Disconnect:
      return false;
  }
  return false;
}

bool LinuxSession::DropNetworkDrives() {
  const auto mounts = ReadNetworkMounts(parts_.mountInfo, ::getuid());
  if (!mounts) return false;
  for (const NetworkMount& mount : *mounts) parts_.unmount(mount);
  return true;
}

bool LinuxSession::IsLockKeyOn(LockKey key) {
  return parts_.isLockKeyOn && parts_.isLockKeyOn(key);
}

void LinuxSession::SwitchLockKeyOff(LockKey key) {
  if (parts_.switchLockKeyOff) parts_.switchLockKeyOff(key);
}

}  // namespace tolvex::platform
