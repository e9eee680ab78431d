// The Time-protocol client against a real time server: the internal "time"
// stream service of xinetd, started on a free loopback port with a private
// configuration and stopped afterwards. The clock it would set is the
// simulated time service's.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "loopback_server.h"
#include "platform/sim/sim_time.h"
#include "snapins/clock/time_client.h"
#include "support/wait_until.h"

namespace tolvex {
namespace {

class XinetdTimeServer : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString xinetd =
        QStandardPaths::findExecutable("xinetd", {"/usr/sbin", "/sbin", "/usr/bin"});
    ASSERT_FALSE(xinetd.isEmpty()) << "xinetd is missing (scripts/deps installs it)";
    ASSERT_TRUE(dir_.isValid());
    port_ = test::RefusingPort();
    QFile config(dir_.filePath("xinetd.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("defaults\n{\n\tlog_type = FILE %1\n}\n"
                                "service time\n{\n"
                                "\ttype = INTERNAL UNLISTED\n\tid = time-stream\n"
                                "\tsocket_type = stream\n\tprotocol = tcp\n\twait = no\n"
                                "\tport = %2\n\tbind = 127.0.0.1\n}\n")
                     .arg(dir_.filePath("xinetd.log"))
                     .arg(port_)
                     .toUtf8());
    config.close();
    server_.setProcessChannelMode(QProcess::ForwardedChannels);
    server_.start(xinetd, {"-f", config.fileName(), "-dontfork", "-stayalive", "-pidfile",
                           dir_.filePath("xinetd.pid")});
    ASSERT_TRUE(server_.waitForStarted());
    ASSERT_TRUE(test::WaitUntil([this] { return QFile::exists(dir_.filePath("xinetd.pid")); }))
        << "xinetd did not come up";

    auto time = std::make_unique<platform::sim::SimTime>();
    time_ = time.get();
    platform::SetTimeService(std::move(time));
  }

  void TearDown() override {
    platform::SetTimeService(nullptr);
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished();
  }

  QTemporaryDir dir_;
  std::uint16_t port_ = 0;
  QProcess server_;
  platform::sim::SimTime* time_ = nullptr;
};

TEST_F(XinetdTimeServer, SetsTheClockToTheServersTime) {
  TIdTime client;
  client.Host = "localhost";
  client.Port = port_;
  time_->SetBiasMinutes(-60);
  ASSERT_TRUE(client.SyncTime());
  ASSERT_TRUE(time_->LastSet().has_value());
  const platform::LocalTime& set = *time_->LastSet();
  const QDateTime local(QDate(set.year, set.month, set.day),
                        QTime(set.hour, set.minute, set.second), Qt::UTC);
  // The server's time one hour east of UTC, within the second the count has.
  const qint64 offset = local.secsTo(QDateTime::currentDateTimeUtc().addSecs(3600));
  EXPECT_GE(offset, 0);
  EXPECT_LE(offset, 5);
}

}  // namespace
}  // namespace tolvex
