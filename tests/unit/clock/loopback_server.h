// A one-connection TCP server on 127.0.0.1 for tests of network clients:
// it accepts one connection on a port of its own and runs a script on it in
// a thread of its own, then closes it. Nothing leaves the loopback device.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

namespace tolvex::test {

class TLoopbackServer {
 public:
  // Receives the accepted connection's socket; the server closes it.
  using Script = std::function<void(int fd)>;

  explicit TLoopbackServer(Script script);
  ~TLoopbackServer();
  TLoopbackServer(const TLoopbackServer&) = delete;
  TLoopbackServer& operator=(const TLoopbackServer&) = delete;

  std::uint16_t Port() const { return port_; }

 private:
  int listenFd_ = -1;
  std::uint16_t port_ = 0;
  std::thread thread_;
};

// Sends `bytes` on `fd`.
void SendBytes(int fd, const std::vector<std::uint8_t>& bytes);
// The four bytes of `seconds` in network byte order.
std::vector<std::uint8_t> CountBytes(std::uint32_t seconds);
// Waits until the peer closes the connection (at most 15 seconds).
void WaitForClose(int fd);

// A port on 127.0.0.1 where nobody listens: connections are refused.
std::uint16_t RefusingPort();

// A listening socket on 127.0.0.1 that never accepts and whose queue of
// waiting connections is full, so a further connect hangs until its caller
// gives up: a peer that cannot be reached, without traffic leaving the
// machine.
class TFullBacklog {
 public:
  TFullBacklog();
  ~TFullBacklog();
  TFullBacklog(const TFullBacklog&) = delete;
  TFullBacklog& operator=(const TFullBacklog&) = delete;

  std::uint16_t Port() const { return port_; }
  // False when the queue could not be filled (the test cannot run).
  bool Full() const { return full_; }

 private:
  int listenFd_ = -1;
  std::uint16_t port_ = 0;
  bool full_ = false;
  std::vector<int> fillers_;
};

}  // namespace tolvex::test
