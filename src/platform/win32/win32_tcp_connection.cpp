// TCP client connections on Windows sockets: a non-blocking connect bounded
// by select, then select before every read.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>

#include "platform/tcp_connection.h"

namespace tolvex::platform {

namespace {

// Windows sockets are usable once the process has started them.
bool StartSockets() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

// Waits at most `timeoutMs` until `socket` is readable (or writable): true
// when it is, false on time-out or error. `failed` tells a failed connect.
bool WaitFor(SOCKET socket, bool write, int timeoutMs, bool* failed = nullptr) {
  fd_set ready;
  fd_set errors;
  FD_ZERO(&ready);
  FD_ZERO(&errors);
  FD_SET(socket, &ready);
  FD_SET(socket, &errors);
  timeval wait{};
  const int ms = timeoutMs > 0 ? timeoutMs : 0;
  wait.tv_sec = ms / 1000;
  wait.tv_usec = (ms % 1000) * 1000;
  const int count =
      select(0, write ? nullptr : &ready, write ? &ready : nullptr, &errors, &wait);
  if (count <= 0) return false;
  if (FD_ISSET(socket, &errors)) {
    if (failed != nullptr) *failed = true;
    return !write;
  }
  return true;
}

class WinsockConnection : public ITcpConnection {
 public:
  explicit WinsockConnection(SOCKET socket) : socket_(socket) {}
  ~WinsockConnection() override { closesocket(socket_); }
  WinsockConnection(const WinsockConnection&) = delete;
  WinsockConnection& operator=(const WinsockConnection&) = delete;

  bool WaitReadable(int timeoutMs) override { return WaitFor(socket_, false, timeoutMs); }

  std::ptrdiff_t Read(void* buffer, std::size_t size) override {
    const int count = recv(socket_, static_cast<char*>(buffer),
                           int(size > 0x7fffffff ? 0x7fffffff : size), 0);
    return count == SOCKET_ERROR ? -1 : count;
  }

 private:
  SOCKET socket_;
};

bool ResolveIPv4(const std::string& host, in_addr& address) {
  if (inet_pton(AF_INET, host.c_str(), &address) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
  address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

TcpError ErrorOf(int code) {
  switch (code) {
    case WSAECONNREFUSED:
      return TcpError::Refused;
    case WSAETIMEDOUT:
      return TcpError::TimedOut;
    default:
      return TcpError::Failed;
  }
}

}  // namespace

std::unique_ptr<ITcpConnection> ConnectTcp(const std::string& host, std::uint16_t port,
                                           int timeoutMs, TcpError& error) {
  if (!StartSockets()) {
    error = TcpError::Failed;
    return nullptr;
  }
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  if (host.empty() || !ResolveIPv4(host, peer.sin_addr)) {
    error = TcpError::HostNotFound;
    return nullptr;
  }
  const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) {
    error = TcpError::Failed;
    return nullptr;
  }
  auto connection = std::make_unique<WinsockConnection>(socket);
  u_long nonBlocking = 1;
  ioctlsocket(socket, FIONBIO, &nonBlocking);
  if (connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
    const int code = WSAGetLastError();
    if (code != WSAEWOULDBLOCK) {
      error = ErrorOf(code);
      return nullptr;
    }
    // The system's own connect time-out runs for many seconds; the bar must
    // not freeze that long.
    bool failed = false;
    if (!WaitFor(socket, true, timeoutMs, &failed)) {
      if (!failed) {
        error = TcpError::TimedOut;
        return nullptr;
      }
      int result = 0;
      int length = sizeof result;
      getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&result), &length);
      error = ErrorOf(result);
      return nullptr;
    }
  }
  nonBlocking = 0;
  ioctlsocket(socket, FIONBIO, &nonBlocking);
  error = TcpError::None;
  return connection;
}

}  // namespace tolvex::platform
