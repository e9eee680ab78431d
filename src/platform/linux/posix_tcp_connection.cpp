// TCP client connections on POSIX sockets: a non-blocking connect bounded by
// poll, then poll before every read.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/tcp_connection.h"

namespace tolvex::platform {

namespace {

class PosixTcpConnection : public ITcpConnection {
 public:
  explicit PosixTcpConnection(int fd) : fd_(fd) {}
  ~PosixTcpConnection() override { ::close(fd_); }
  PosixTcpConnection(const PosixTcpConnection&) = delete;
  PosixTcpConnection& operator=(const PosixTcpConnection&) = delete;

  bool WaitReadable(int timeoutMs) override { return WaitFor(fd_, POLLIN, timeoutMs); }

  std::ptrdiff_t Read(void* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::recv(fd_, buffer, size, 0);
      if (n >= 0) return n;
      if (errno != EINTR) return -1;
    }
  }

  // Waits for `events` on `fd` for at most `timeoutMs`, across signals.
  static bool WaitFor(int fd, short events, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      pollfd entry{fd, events, 0};
      const int ready = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
      if (ready > 0) return true;
      if (ready == 0) return false;
      if (errno != EINTR) return false;
    }
  }

 private:
  int fd_;
};

bool ResolveIPv4(const std::string& host, in_addr& address) {
  if (::inet_pton(AF_INET, host.c_str(), &address) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
  address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  ::freeaddrinfo(found);
  return true;
}

TcpError ErrorOf(int code) {
  switch (code) {
    case ECONNREFUSED:
      return TcpError::Refused;
    case ETIMEDOUT:
      return TcpError::TimedOut;
    default:
      return TcpError::Failed;
  }
}

}  // namespace

std::unique_ptr<ITcpConnection> ConnectTcp(const std::string& host, std::uint16_t port,
                                           int timeoutMs, TcpError& error) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  if (host.empty() || !ResolveIPv4(host, peer.sin_addr)) {
    error = TcpError::HostNotFound;
    return nullptr;
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = TcpError::Failed;
    return nullptr;
  }
  auto connection = std::make_unique<PosixTcpConnection>(fd);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
    if (errno != EINPROGRESS && errno != EINTR) {
      error = ErrorOf(errno);
      return nullptr;
    }
    // The system's own connect time-out runs for minutes; the bar must not
    // freeze that long.
    if (!PosixTcpConnection::WaitFor(fd, POLLOUT, timeoutMs)) {
      error = TcpError::TimedOut;
      return nullptr;
    }
    int result = 0;
    socklen_t length = sizeof result;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &result, &length) != 0) result = errno;
    if (result != 0) {
      error = ErrorOf(result);
      return nullptr;
    }
  }
  error = TcpError::None;
  return connection;
}

}  // namespace tolvex::platform
