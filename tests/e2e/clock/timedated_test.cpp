// Setting the clock through systemd-timedated, against a mock of it
// (python3-dbusmock) on a private bus: the call and its arguments, and the
// failure when nobody answers. The test talks only to its private bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/linux/linux_time.h"
#include "support/wait_until.h"

namespace tolvex::platform {
namespace {

class Timedated : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus_.waitForStarted());
    ASSERT_TRUE(test::WaitUntil([this] {
      bus_.waitForReadyRead(100);
      return bus_.canReadLine();
    }));
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    connection_ = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(address_, QStringLiteral("tolvex-timedated-test")));
    ASSERT_TRUE(connection_->isConnected());
  }

  void TearDown() override {
    connection_.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("tolvex-timedated-test"));
    for (QProcess* process : {&mock_, &bus_}) {
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
      process->waitForFinished();
    }
  }

  void StartMock() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", address_);
    mock_.setProcessEnvironment(env);
    mock_.setProcessChannelMode(QProcess::ForwardedChannels);
    mock_.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "timedated", "-l", Log()});
    ASSERT_TRUE(mock_.waitForStarted());
    ASSERT_TRUE(test::WaitUntil([this] {
      return connection_->interface()->isServiceRegistered("org.freedesktop.timedate1").value();
    })) << "the timedated mock did not come up";
  }

  QString Log() const { return dir_.filePath("calls.log"); }

  QTemporaryDir dir_;
  QProcess bus_;
  QProcess mock_;
  QString address_;
  std::unique_ptr<QDBusConnection> connection_;
};

TEST_F(Timedated, SetsAbsoluteTimeWithoutAskingTheUser) {
  StartMock();
  EXPECT_TRUE(SetTimeThroughTimedated(*connection_, 2214169200250000));
  QFile log(Log());
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_TRUE(log.readAll().contains("SetTime 2214169200250000 False False"));
}

TEST_F(Timedated, NoServiceMeansFailure) {
  EXPECT_FALSE(SetTimeThroughTimedated(*connection_, 2214169200250000));
}

}  // namespace
}  // namespace tolvex::platform
