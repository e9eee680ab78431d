// The NetworkManager back end against a mock NetworkManager on a private bus
// of the test's own: the phone book from the profiles, dialling, progress
// from the state signals, hang-up, and a bus without NetworkManager.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QProcess>
#include <memory>

#include "platform/linux/nm_dial_up.h"
#include "support/wait_until.h"

namespace tolvex::platform {
namespace {

using NmSettings = QMap<QString, QVariantMap>;

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

// A dbus-daemon of the test's own; never the machine's buses.
class PrivateBus {
 public:
  PrivateBus() {
    daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (daemon_.waitForStarted() && daemon_.waitForReadyRead(10000))
      address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    QDBusConnection::disconnectFromBus(name_);
    for (QProcess* process : {&mock_, &daemon_}) {
      process->kill();
      process->waitForFinished();
    }
  }

  bool Ready() const { return !address_.isEmpty(); }
  QDBusConnection Connection() { return QDBusConnection::connectToBus(address_, name_); }

  // Starts the NetworkManager mock on this bus and waits for its name.
  bool StartNetworkManager() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address_);
    mock_.setProcessEnvironment(environment);
    mock_.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "-t", "networkmanager"});
    QDBusConnection bus = Connection();
    return test::WaitUntil([&] { return bus.interface()->isServiceRegistered(kService).value(); });
  }

 private:
  QProcess daemon_;
  QProcess mock_;
  QString address_;
  QString name_ = QStringLiteral("tolvex-nm-test");
};

class NmDialUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qDBusRegisterMetaType<NmSettings>();
    ASSERT_TRUE(bus_.Ready());
    ASSERT_TRUE(bus_.StartNetworkManager());
    connection_ = std::make_unique<QDBusConnection>(bus_.Connection());
    dialUp = std::make_unique<NmDialUp>(*connection_, QStringLiteral("tolvex-no-such-editor"));
  }
  void TearDown() override { dialUp.reset(); }

  QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                    const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = connection_->call(call);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply;
  }

  void AddProfile(const QString& id, const QString& type, const QVariantMap& typeSettings = {}) {
    NmSettings settings;
    settings["connection"] = QVariantMap{{"id", id}, {"type", type}};
    if (!typeSettings.isEmpty()) settings[type] = typeSettings;
    Call("/org/freedesktop/NetworkManager/Settings", "org.freedesktop.NetworkManager.Settings",
         "AddConnection", {QVariant::fromValue(settings)});
  }

  void AddDevice() {
    Call(kManagerPath, kMock, "AddEthernetDevice",
         {QStringLiteral("mock_Ethernet1"), QStringLiteral("eth0"), 100});
  }

  // Emits StateChanged of the active connection with NetworkManager's state.
  void EmitState(const QString& activePath, std::uint32_t nmState) {
    Call(activePath, kMock, "EmitSignal",
         {QStringLiteral("org.freedesktop.NetworkManager.Connection.Active"),
          QStringLiteral("StateChanged"), QStringLiteral("uu"),
          QVariantList{QVariant::fromValue(nmState), QVariant::fromValue(1u)}});
  }

  QString ActivePath(std::size_t index) {
    const QDBusMessage reply = Call(
        kManagerPath, "org.freedesktop.DBus.Properties", "Get",
        {QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("ActiveConnections")});
    const auto paths = qdbus_cast<QList<QDBusObjectPath>>(
        reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>());
    return index < std::size_t(paths.size()) ? paths[int(index)].path() : QString();
  }

  // Runs the event loop until `count` progress reports arrived or the time
  // is up.
  void WaitForReports(std::size_t count, int timeoutMs = 5000) {
    QDeadlineTimer deadline(timeoutMs);
    while (reports.size() < count && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  DialProgress Recorder() {
    return [this](std::uint32_t state, std::uint32_t) { reports.push_back(state); };
  }

  PrivateBus bus_;
  std::unique_ptr<QDBusConnection> connection_;
  std::unique_ptr<NmDialUp> dialUp;
  std::vector<std::uint32_t> reports;
};

TEST_F(NmDialUpTest, PhoneBookHoldsTheDialUpProfiles) {
  AddProfile("Mobil", "gsm", {{"username", "anna"}, {"apn", "internet"}});
  AddProfile("Kabel", "802-3-ethernet");
  AddProfile("DSL", "pppoe", {{"username", "dsl-kunde"}});
  AddProfile("Tunnel", "vpn");
  std::vector<std::string> names;
  EXPECT_EQ(dialUp->EnumEntries("", 50, names), kDialUpSuccess);
  EXPECT_EQ(names, (std::vector<std::string>{"Mobil", "DSL", "Tunnel"}));
  EXPECT_EQ(dialUp->EnumEntries("", 2, names), kDialUpBufferTooSmall);
  EXPECT_EQ(names, (std::vector<std::string>{"Mobil", "DSL"}));

  struct Case {
    const char* entry;
    std::uint32_t result;
    const char* userName;
  };
  for (const Case& c :
       {Case{"Mobil", kDialUpSuccess, "anna"}, Case{"DSL", kDialUpSuccess, "dsl-kunde"},
        Case{"Tunnel", kDialUpSuccess, ""}, Case{"Kabel", kDialUpCannotFindEntry, ""}}) {
    std::string userName;
    std::string password = "alt";
    EXPECT_EQ(dialUp->EntryCredentials(c.entry, userName, password), c.result) << c.entry;
    if (c.result != kDialUpSuccess) continue;
    EXPECT_EQ(userName, c.userName) << c.entry;
    EXPECT_EQ(password, "") << c.entry;
  }
  EXPECT_NE(dialUp->CreateEntry(0), kDialUpSuccess);
  EXPECT_NE(dialUp->EditEntry(0, "Mobil"), kDialUpSuccess);
}

TEST_F(NmDialUpTest, DialReportsProgressAndHangUpEndsTheConnection) {
  AddDevice();
  AddProfile("Mobil", "gsm");
  AddProfile("Kabel", "802-3-ethernet");
  std::uint32_t handle = 0;
  ASSERT_EQ(dialUp->Dial("", "Mobil", "", "", Recorder(), handle), kDialUpSuccess);
  ASSERT_NE(handle, 0u);
  EXPECT_TRUE(reports.empty()) << "progress arrives after the call";
  WaitForReports(1);
  EXPECT_EQ(reports, std::vector<std::uint32_t>{kStateConnected});

  std::vector<DialUpConnection> connections;
  std::size_t needed = 0;
  ASSERT_EQ(dialUp->EnumConnections(16, connections, needed), kDialUpSuccess);
  ASSERT_EQ(connections.size(), 1u);
  EXPECT_EQ(connections[0].handle, handle);
  EXPECT_EQ(connections[0].entryName, "Mobil");
  EXPECT_EQ(connections[0].deviceType, "gsm");
  std::uint32_t state = 0;
  EXPECT_EQ(dialUp->ConnectStatus(handle, state), kDialUpSuccess);
  EXPECT_EQ(state, kStateConnected);

  const QString active = ActivePath(0);
  EmitState(active, 1);
  WaitForReports(2);
  EXPECT_EQ(reports, (std::vector<std::uint32_t>{kStateConnected, kStateConnectDevice}));

  EXPECT_EQ(dialUp->HangUp(handle), kDialUpSuccess);
  EXPECT_EQ(dialUp->ConnectStatus(handle, state), kDialUpInvalidHandle);
  EXPECT_EQ(dialUp->EnumConnections(16, connections, needed), kDialUpSuccess);
  EXPECT_TRUE(connections.empty());
}

TEST_F(NmDialUpTest, DroppedConnectionIsReportedOnce) {
  AddProfile("Tunnel", "vpn");
  std::uint32_t handle = 0;
  ASSERT_EQ(dialUp->Dial("", "Tunnel", "", "", Recorder(), handle), kDialUpSuccess);
  WaitForReports(1);
  EmitState(ActivePath(0), 4);
  EmitState(ActivePath(0), 4);
  WaitForReports(2);
  // A second end would have arrived by now, right behind the first.
  WaitForReports(3, 500);
  EXPECT_EQ(reports, (std::vector<std::uint32_t>{kStateConnected, kStateDisconnected}));
}

TEST_F(NmDialUpTest, ConnectionsBeyondTheCapacityAskForMoreRoom) {
  AddProfile("Eins", "gsm");
  AddProfile("Zwei", "wireguard");
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  ASSERT_EQ(dialUp->Dial("", "Eins", "", "", Recorder(), first), kDialUpSuccess);
  ASSERT_EQ(dialUp->Dial("", "Zwei", "", "", Recorder(), second), kDialUpSuccess);
  EXPECT_NE(first, second);
  std::vector<DialUpConnection> connections;
  std::size_t needed = 0;
  EXPECT_EQ(dialUp->EnumConnections(1, connections, needed), kDialUpBufferTooSmall);
  EXPECT_EQ(needed, 2u);
  EXPECT_TRUE(connections.empty());
  EXPECT_EQ(dialUp->EnumConnections(needed, connections, needed), kDialUpSuccess);
  EXPECT_EQ(connections.size(), 2u);
  std::uint32_t handle = 0;
  EXPECT_EQ(dialUp->Dial("", "Drei", "", "", Recorder(), handle), kDialUpCannotFindEntry);
}

TEST(NmDialUpAbsent, BusWithoutNetworkManagerHasNothingToDial) {
  PrivateBus bus;
  ASSERT_TRUE(bus.Ready());
  NmDialUp dialUp(bus.Connection());
  std::vector<DialUpConnection> connections;
  std::size_t needed = 0;
  EXPECT_EQ(dialUp.EnumConnections(16, connections, needed), kDialUpSuccess);
  EXPECT_TRUE(connections.empty());
  std::vector<std::string> names;
  EXPECT_EQ(dialUp.EnumEntries("", 50, names), kDialUpSuccess);
  EXPECT_TRUE(names.empty());
  std::uint32_t handle = 0;
  EXPECT_EQ(dialUp.Dial("", "Mobil", "", "", {}, handle), kDialUpCannotFindEntry);
  EXPECT_EQ(dialUp.HangUp(42), kDialUpInvalidHandle);
}

}  // namespace
}  // namespace tolvex::platform
