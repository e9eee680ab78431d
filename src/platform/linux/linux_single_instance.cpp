// Single-instance service on Linux.
#include "platform/linux/linux_single_instance.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

namespace tolvex::platform {

namespace {

constexpr char kRequest[] = "activate\n";

// ":0" and ":0.0" are the same display for the bar.
QString DisplayName() {
  QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("WAYLAND_DISPLAY");
  display.remove(QRegularExpression(R"(\.\d+$)"));
  display.replace(QRegularExpression("[^A-Za-z0-9_-]"), "_");
  return display;
}

QString RuntimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

}  // namespace

LinuxSingleInstance::LinuxSingleInstance() {
  const QString base =
      QString("%1/tolvexbar-%2-%3").arg(RuntimeFolder()).arg(::getuid()).arg(DisplayName());
  lockPath_ = base + ".lock";
  socketPath_ = base + ".socket";
}

LinuxSingleInstance::~LinuxSingleInstance() = default;

bool LinuxSingleInstance::Claim() {
  if (claimed_) return true;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // The lock is held for the life of the process; it goes stale only when
  // its process is gone, never by age.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    const bool heldByOther = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    // A lock that cannot be made at all (e.g. a read-only folder) must not
    // keep the bar from starting.
    if (heldByOther) return false;
  }
  claimed_ = true;
  Listen();
  return true;
}

void LinuxSingleInstance::Listen() {
  // Whoever holds the lock owns the socket name: a socket left by a crashed
  // first instance is removed.
  QLocalServer::removeServer(socketPath_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) {
    server_.reset();
    return;
  }
  QLocalServer* server = server_.get();
  QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        while (socket->canReadLine()) {
          if (socket->readLine() == kRequest) DeliverActivation();
        }
        // A peer that sends anything else is not waited for.
        if (socket->bytesAvailable() > 64) socket->abort();
      });
    }
  });
}

bool LinuxSingleInstance::ActivateFirst() {
  // The first instance may hold the lock but not listen yet: try for a while.
  QDeadlineTimer deadline(3000);
  QLocalSocket socket;
  while (true) {
    socket.connectToServer(socketPath_);
    if (socket.waitForConnected(250)) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  socket.write(kRequest);
  const bool sent = socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  return sent;
}

}  // namespace tolvex::platform
