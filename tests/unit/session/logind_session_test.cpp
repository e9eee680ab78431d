// The Linux session-end service against a mock logind on a private bus:
// the privilege answers, the requests it sends (recorded by the mock, which
// ends nothing), the remote-session test, a missing logind, and dropping the
// network drives of a mountinfo file with a recording unmount.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusVariant>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "platform/linux/linux_session.h"
#include "support/private_bus.h"

namespace tolvex::platform {
namespace {

using test::PrivateBus;

constexpr char kService[] = "org.freedesktop.login1";
constexpr char kPath[] = "/org/freedesktop/login1";
constexpr char kMock[] = "org.freedesktop.DBus.Mock";
constexpr char kSessionId[] = "c7";

// Keeps an environment variable away from a test and puts it back after.
class ScopedUnset {
 public:
  explicit ScopedUnset(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
    unsetenv(name);
  }
  ~ScopedUnset() {
    if (saved_) setenv(name_, saved_->c_str(), 1);
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

class LogindSession : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    bus_ = new PrivateBus;
    ASSERT_TRUE(bus_->IsRunning());
    ASSERT_TRUE(bus_->StartMock("logind", kService));
    ASSERT_EQ(
        Mock("AddSession", {QString(kSessionId), QString("seat0"), 1000u, QString("anna"), true})
            .type(),
        QDBusMessage::ReplyMessage);
  }
  static void TearDownTestSuite() {
    delete bus_;
    bus_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(bus_, nullptr);
    Mock("ClearCalls", {});
    Answer("CanPowerOff", "yes");
    Answer("CanReboot", "yes");
    SetRemote(false);
  }

  static QDBusMessage Mock(const QString& method, const QVariantList& arguments,
                           const QString& path = kPath) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kMock, method);
    call.setArguments(arguments);
    return bus_->Connection().call(call);
  }
  // Makes the mock's `method` answer `answer`.
  static void Answer(const QString& method, const QString& answer) {
    Mock("AddMethod", {QString("org.freedesktop.login1.Manager"), method, QString(""), QString("s"),
                       QString("ret = '%1'").arg(answer)});
  }
  static void SetRemote(bool remote) {
    QDBusMessage set = QDBusMessage::createMethodCall(
        kService, QString("/org/freedesktop/login1/session/") + kSessionId,
        "org.freedesktop.DBus.Properties", "Set");
    set << QString("org.freedesktop.login1.Session") << QString("Remote")
        << QVariant::fromValue(QDBusVariant(remote));
    bus_->Connection().call(set);
  }
  // The methods the mock was called with, each as "Name arg…".
  static QStringList Calls() {
    QStringList calls;
    const QDBusMessage reply = Mock("GetCalls", {});
    if (reply.arguments().isEmpty()) return calls;
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
      qulonglong time = 0;
      QString method;
      QVariantList arguments;
      list.beginStructure();
      list >> time >> method;
      list.beginArray();
      while (!list.atEnd()) {
        QDBusVariant argument;
        list >> argument;
        arguments << argument.variant();
      }
      list.endArray();
      list.endStructure();
      QString line = method;
      for (const QVariant& argument : arguments) line += " " + argument.toString();
      calls << line;
    }
    list.endArray();
    return calls;
  }

  LinuxSession Session(LinuxSession::Parts parts = {}) {
    parts.sessionId = kSessionId;
    return LinuxSession(bus_->Connection(), std::move(parts));
  }

  static PrivateBus* bus_;
};

PrivateBus* LogindSession::bus_ = nullptr;

TEST_F(LogindSession, ThePrivilegeFollowsTheSystemsAnswer) {
  struct Row {
    const char* answer;
    bool granted;
  };
  for (const Row& row :
       {Row{"yes", true}, Row{"challenge", true}, Row{"no", false}, Row{"na", false}}) {
    Answer("CanPowerOff", row.answer);
    Answer("CanReboot", row.answer);
    LinuxSession session = Session();
    EXPECT_EQ(session.ObtainPrivilege(SessionRequest::PowerOff), row.granted) << row.answer;
    EXPECT_EQ(session.ObtainPrivilege(SessionRequest::ForcedPowerOff), row.granted) << row.answer;
    EXPECT_EQ(session.ObtainPrivilege(SessionRequest::Reboot), row.granted) << row.answer;
    // Ending one's own session needs no right to shut down.
    EXPECT_TRUE(session.ObtainPrivilege(SessionRequest::LogOff)) << row.answer;
  }
  Answer("CanPowerOff", "no");
  Answer("CanReboot", "yes");
  EXPECT_TRUE(Session().ObtainPrivilege(SessionRequest::Reboot));
}

TEST_F(LogindSession, EachRequestReachesLogindAsItsCall) {
  struct Row {
    SessionRequest request;
    bool succeeds;
    QStringList calls;
  };
  const Row rows[] = {
      {SessionRequest::PowerOff, true, {"PowerOff true"}},
      {SessionRequest::Reboot, true, {"Reboot true"}},
      {SessionRequest::LogOff, true, {QString("TerminateSession ") + kSessionId}},
      {SessionRequest::ForcedPowerOff, true, {"PowerOff true"}},
      {SessionRequest::Disconnect, false, {}},
  };
  for (const Row& row : rows) {
    Mock("ClearCalls", {});
    EXPECT_EQ(Session().Request(row.request), row.succeeds) << int(row.request);
    EXPECT_EQ(Calls(), row.calls) << int(row.request);
  }
}

TEST_F(LogindSession, ARemoteSessionIsTheSessionsRemotePropertyOrAnSshConnection) {
  ScopedUnset ssh("SSH_CONNECTION");
  ScopedUnset xrdp("XRDP_SESSION");
  EXPECT_FALSE(Session().IsRemoteSession());
  SetRemote(true);
  EXPECT_TRUE(Session().IsRemoteSession());
  SetRemote(false);
  setenv("SSH_CONNECTION", "192.0.2.1 50000 192.0.2.2 22", 1);
  EXPECT_TRUE(Session().IsRemoteSession());
  unsetenv("SSH_CONNECTION");
  setenv("XRDP_SESSION", "1", 1);
  EXPECT_TRUE(Session().IsRemoteSession());
}

TEST_F(LogindSession, AnUnknownSessionIsNeitherRemoteNorLoggedOff) {
  ScopedUnset ssh("SSH_CONNECTION");
  ScopedUnset xrdp("XRDP_SESSION");
  LinuxSession session(bus_->Connection(), [] {
    LinuxSession::Parts parts;
    parts.sessionId = "nosuch";
    return parts;
  }());
  EXPECT_FALSE(session.IsRemoteSession());
}

TEST(LogindMissing, WithoutLogindEverythingFailsQuietly) {
  ScopedUnset ssh("SSH_CONNECTION");
  ScopedUnset xrdp("XRDP_SESSION");
  PrivateBus bus;  // a bus on which no logind runs
  ASSERT_TRUE(bus.IsRunning());
  LinuxSession session(bus.Connection(), {});
  EXPECT_FALSE(session.IsRemoteSession());
  EXPECT_FALSE(session.ObtainPrivilege(SessionRequest::PowerOff));
  EXPECT_FALSE(session.ObtainPrivilege(SessionRequest::Reboot));
  for (SessionRequest request : {SessionRequest::PowerOff, SessionRequest::Reboot,
                                 SessionRequest::LogOff, SessionRequest::ForcedPowerOff}) {
    EXPECT_FALSE(session.Request(request)) << int(request);
  }
  // Without a display the lock keys read as off and switching does nothing.
  EXPECT_FALSE(session.IsLockKeyOn(LockKey::CapsLock));
  session.SwitchLockKeyOff(LockKey::CapsLock);
}

TEST(LinuxNetworkDrives, EveryNetworkMountOfTheFileIsDroppedAndAMissingFileFails) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString file = folder.path() + "/mountinfo";
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(
      "22 1 0:21 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
      "40 22 0:40 / /mnt/daten rw,relatime shared:20 - cifs //server/daten rw,vers=3.1.1\n"
      "41 22 0:41 / /mnt/home rw,relatime - nfs4 server:/home rw,vers=4.2\n");
  out.close();
  std::vector<std::string> dropped;
  LinuxSession::Parts parts;
  parts.mountInfo = file.toStdString();
  parts.unmount = [&](const NetworkMount& mount) { dropped.push_back(mount.mountPoint); };
  // No bus is needed for the drives.
  const QDBusConnection none(QStringLiteral("unconnected"));
  LinuxSession session(none, parts);
  EXPECT_TRUE(session.DropNetworkDrives());
  EXPECT_EQ(dropped, (std::vector<std::string>{"/mnt/daten", "/mnt/home"}));

  parts.mountInfo = (folder.path() + "/missing").toStdString();
  dropped.clear();
  EXPECT_FALSE(LinuxSession(none, parts).DropNetworkDrives());
  EXPECT_TRUE(dropped.empty());
}

}  // namespace
}  // namespace tolvex::platform
