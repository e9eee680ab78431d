// One-connection loopback servers for the network client tests.
#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace tolvex::test {

namespace {

// A socket bound to 127.0.0.1 on a free port; the port goes to `port`.
int BoundSocket(std::uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

TLoopbackServer::TLoopbackServer(Script script) {
  listenFd_ = BoundSocket(port_);
  ::listen(listenFd_, 4);
  thread_ = std::thread([fd = listenFd_, script = std::move(script)] {
    // The destructor shuts the listening socket down, which ends the wait
    // when no client ever came.
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 30000) <= 0) return;
    const int client = ::accept(fd, nullptr, nullptr);
    if (client < 0) return;
    script(client);
    ::close(client);
  });
}

TLoopbackServer::~TLoopbackServer() {
  ::shutdown(listenFd_, SHUT_RDWR);
  thread_.join();
  ::close(listenFd_);
}

void SendBytes(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

std::vector<std::uint8_t> CountBytes(std::uint32_t seconds) {
  return {static_cast<std::uint8_t>(seconds >> 24), static_cast<std::uint8_t>(seconds >> 16),
          static_cast<std::uint8_t>(seconds >> 8), static_cast<std::uint8_t>(seconds)};
}

void WaitForClose(int fd) {
  char buffer[16];
  for (;;) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 15000) <= 0) return;
    if (::recv(fd, buffer, sizeof buffer, 0) <= 0) return;
  }
}

std::uint16_t RefusingPort() {
  std::uint16_t port = 0;
  ::close(BoundSocket(port));
  return port;
}

TFullBacklog::TFullBacklog() {
  listenFd_ = BoundSocket(port_);
  // The smallest queue: the system keeps one or two waiting connections.
  ::listen(listenFd_, 0);
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  peer.sin_port = htons(port_);
  for (int i = 0; i < 16 && !full_; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    fillers_.push_back(fd);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&peer), sizeof peer) == 0) continue;
    if (errno != EINPROGRESS) break;
    pollfd entry{fd, POLLOUT, 0};
    // A connect that is still pending after a while found the queue full.
    full_ = ::poll(&entry, 1, 300) == 0;
  }
}

TFullBacklog::~TFullBacklog() {
  for (int fd : fillers_) ::close(fd);
  ::close(listenFd_);
}

}  // namespace tolvex::test
