// Single-instance service on Linux.
#include "platform/linux/linux_single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>

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

// The user's own folder below the temporary folder.
QString PrivateTemporaryFolder() {
  return QString("%1/tolvexbar-%2").arg(QDir::tempPath()).arg(::getuid());
}

// Makes the private folder when it is missing; false when a folder of that
// name is not the user's alone (another user could then take the lock away).
bool MakePrivateFolder(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder);
  ::mkdir(path.constData(), 0700);
  struct stat status = {};
  return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// The folders that may hold the lock and the socket, best first.
QStringList LockFolders() {
  QStringList folders;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) folders << runtime;
  folders << PrivateTemporaryFolder();
  return folders;
}

}  // namespace

LinuxSingleInstance::LinuxSingleInstance()
    : name_(QString("tolvexbar-%1-%2").arg(::getuid()).arg(DisplayName())) {
  socketPath_ = LockFolders().first() + "/" + name_ + ".socket";
}

LinuxSingleInstance::~LinuxSingleInstance() = default;

bool LinuxSingleInstance::Claim() {
  if (claimed_) return true;
  for (const QString& folder : LockFolders()) {
    // The private folder is made only when the runtime folder cannot serve.
    if (folder == PrivateTemporaryFolder() && !MakePrivateFolder(folder)) continue;
    const QString base = folder + "/" + name_;
    auto lock = std::make_unique<QLockFile>(base + ".lock");
    // The lock is held for the life of the process; it goes stale only when
    // its process is gone, never by age.
    lock->setStaleLockTime(0);
    const bool locked = lock->tryLock(0);
    if (locked || lock->error() == QLockFile::LockFailedError) {
      socketPath_ = base + ".socket";
      abstract_ = false;
      if (!locked) return false;
      lock_ = std::move(lock);
      claimed_ = true;
      // Whoever holds the lock owns the socket name: a socket left by a
      // crashed first instance is removed.
      QLocalServer::removeServer(socketPath_);
      Listen(false);
      return true;
    }
    // This folder cannot hold a lock (read-only, full): the next one may.
  }
  return ClaimAbstract();
}

bool LinuxSingleInstance::ClaimAbstract() {
  // Binding a name in the abstract namespace succeeds for one process only
  // and needs no folder; the name is freed when the process ends.
  socketPath_ = name_;
  abstract_ = true;
  QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
  if (Listen(true, &error)) {
    claimed_ = true;
    return true;
  }
  if (error != QAbstractSocket::AddressInUseError) {
    // No lock anywhere: a second bar writing the same files is worse than
    // none.
    std::fprintf(stderr,
                 "tolvexBar: Es lässt sich nicht feststellen, ob die Leiste schon läuft: "
                 "weder $XDG_RUNTIME_DIR noch %s kann ihre Sperre aufnehmen. "
                 "Damit keine zweite Leiste dieselben Dateien schreibt, startet sie nicht.\n",
                 qPrintable(QDir::tempPath()));
  }
  return false;
}

bool LinuxSingleInstance::Listen(bool abstract, QAbstractSocket::SocketError* error) {
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(abstract ? QLocalServer::AbstractNamespaceOption
                                     : QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) {
    if (error != nullptr) *error = server_->serverError();
    server_.reset();
    return false;
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
  return true;
}

bool LinuxSingleInstance::ActivateFirst() {
  // The first instance may hold the lock but not listen yet: try for a while.
  QDeadlineTimer deadline(3000);
  QLocalSocket socket;
  if (abstract_) socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
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
