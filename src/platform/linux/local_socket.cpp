// Local stream sockets on the POSIX socket calls.
#include "platform/linux/local_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace tolvex::platform {

namespace {

// The address of `name`, and its length; false when the name does not fit.
bool Address(const LocalSocketName& name, sockaddr_un& address, socklen_t& length) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const QByteArray bytes = name.abstract ? name.name.toUtf8() : QFile::encodeName(name.name);
  // A path needs its terminating zero; an abstract name its leading one.
  if (bytes.isEmpty() || size_t(bytes.size()) + 1 > sizeof address.sun_path) return false;
  std::memcpy(address.sun_path + (name.abstract ? 1 : 0), bytes.constData(), size_t(bytes.size()));
  length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(bytes.size()) + 1);
  return true;
}

int StreamSocket() {
  return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

}  // namespace

struct LocalLineServer::Client {
  int fd = -1;
  QByteArray pending;
  std::unique_ptr<QSocketNotifier> notifier;
};

LocalLineServer::LocalLineServer(std::function<void(const QByteArray&)> onLine, qsizetype maxLine)
    : onLine_(std::move(onLine)), maxLine_(maxLine) {}

LocalLineServer::~LocalLineServer() {
  for (const auto& client : clients_) ::close(client->fd);
  notifier_.reset();
  if (fd_ < 0) return;
  ::close(fd_);
  // The socket file goes with its server.
  if (!path_.isEmpty()) ::unlink(QFile::encodeName(path_).constData());
}

int LocalLineServer::Listen(const LocalSocketName& name) {
  sockaddr_un address;
  socklen_t length = 0;
  if (!Address(name, address, length)) return ENAMETOOLONG;
  const int fd = StreamSocket();
  if (fd < 0) return errno;
  // The socket file is the user's alone from the start.
  const mode_t mask = ::umask(0177);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
  const int bindError = errno;
  ::umask(mask);
  if (!bound || ::listen(fd, 8) != 0) {
    const int error = bound ? errno : bindError;
    ::close(fd);
    return error;
  }
  fd_ = fd;
  if (!name.abstract) path_ = name.name;
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
  return 0;
}

void LocalLineServer::Accept() {
  while (true) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;
    auto client = std::make_unique<Client>();
    client->fd = fd;
    client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    Client* raw = client.get();
    connect(client->notifier.get(), &QSocketNotifier::activated, this, [this, raw] { Read(*raw); });
    clients_.push_back(std::move(client));
  }
}

void LocalLineServer::Read(Client& client) {
  char buffer[256];
  while (true) {
    const ssize_t got = ::read(client.fd, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) {
      Drop(client);
      return;
    }
    client.pending.append(buffer, qsizetype(got));
    qsizetype end;
    while ((end = client.pending.indexOf('\n')) >= 0) {
      const QByteArray line = client.pending.left(end);
      client.pending.remove(0, end + 1);
      onLine_(line);
    }
    // A peer that sends anything else is not waited for.
    if (client.pending.size() > maxLine_) {
      Drop(client);
      return;
    }
  }
}

void LocalLineServer::Drop(const Client& client) {
  for (auto it = clients_.begin(); it != clients_.end(); ++it) {
    if (it->get() != &client) continue;
    // The notifier may be the caller: it goes once the event is handled.
    (*it)->notifier->setEnabled(false);
    (*it)->notifier.release()->deleteLater();
    ::close((*it)->fd);
    clients_.erase(it);
    return;
  }
}

bool SendToLocalServer(const LocalSocketName& name, const QByteArray& bytes, int timeoutMs) {
  sockaddr_un address;
  socklen_t length = 0;
  if (!Address(name, address, length)) return false;
  const QDeadlineTimer deadline(timeoutMs);
  while (true) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
      qsizetype written = 0;
      while (written < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + written, size_t(bytes.size() - written),
                                 MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += n;
      }
      ::close(fd);
      return written == bytes.size();
    }
    ::close(fd);
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
}

void RemoveLocalSocketFile(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  struct stat status = {};
  if (::lstat(bytes.constData(), &status) == 0 && !S_ISDIR(status.st_mode))
    ::unlink(bytes.constData());
}

}  // namespace tolvex::platform
