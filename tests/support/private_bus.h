// A private D-Bus bus for tests of back ends that talk to other services:
// a dbus-daemon with its own configuration in a temporary folder, and mock
// services from python3-dbusmock's templates that take it for the system bus.
// Nothing reaches the machine's real buses.
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <memory>
#include <vector>

#include "support/wait_until.h"

namespace tolvex::test {

class PrivateBus {
 public:
  PrivateBus() {
    if (!folder_.isValid()) return;
    const QString config = folder_.path() + "/bus.conf";
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(
        QString("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig><type>custom</type><listen>unix:dir=%1</listen>"
                "<auth>EXTERNAL</auth><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>\n")
            .arg(folder_.path())
            .toUtf8());
    file.close();
    daemon_.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"});
    if (!daemon_.waitForStarted(5000)) return;
    QDeadlineTimer deadline(10000);
    while (!daemon_.canReadLine() && !deadline.hasExpired()) daemon_.waitForReadyRead(100);
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    for (auto& mock : mocks_) Stop(*mock);
    if (connected_) QDBusConnection::disconnectFromBus(name_);
    Stop(daemon_);
  }
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  bool IsRunning() const { return !address_.isEmpty(); }
  QString Address() const { return address_; }

  // This process's connection to the bus.
  QDBusConnection Connection() {
    if (!connected_) {
      name_ = "private-bus-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
      QDBusConnection::connectToBus(address_, name_);
      connected_ = true;
    }
    return QDBusConnection(name_);
  }

  // Starts the dbusmock template `name` with `parameters` (JSON) and waits
  // until it owns `service`.
  bool StartMock(const QString& name, const QString& service, const QString& parameters = "{}") {
    auto mock = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", address_);
    env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    mock->setProcessEnvironment(env);
    mock->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's python3-dbusmock belongs to the system's interpreter.
    mock->start("/usr/bin/python3",
                {"-m", "dbusmock", "--system", "--template", name, "--parameters", parameters});
    if (!mock->waitForStarted(5000)) return false;
    mocks_.push_back(std::move(mock));
    QDBusConnection bus = Connection();
    return WaitUntil([&] { return bus.interface()->isServiceRegistered(service).value(); });
  }

 private:
  static void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
      process.kill();
      process.waitForFinished(1000);
    }
  }

  QTemporaryDir folder_;
  QProcess daemon_;
  QString address_;
  QString name_;
  bool connected_ = false;
  std::vector<std::unique_ptr<QProcess>> mocks_;
};

}  // namespace tolvex::test
