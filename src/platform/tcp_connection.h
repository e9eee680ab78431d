// A TCP client connection over IPv4 with bounded waits: the socket layer of
// the Time-protocol client. It is the real network in every back end (tests
// talk to loopback servers), so it is not a simulated service.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tolvex::platform {

enum class TcpError {
  None,
  HostNotFound,  // the name has no IPv4 address
  Refused,       // nobody listens at the port
  TimedOut,      // the connect did not complete in time
  Failed,        // any other failure of the system
};

// An open connection; destroying it closes it.
class ITcpConnection {
 public:
  virtual ~ITcpConnection() = default;
  // Waits at most `timeoutMs` until data can be read or the peer has closed;
  // false when the time ran out.
  virtual bool WaitReadable(int timeoutMs) = 0;
  // Reads what has arrived, at most `size` bytes: the count read, 0 when
  // the peer has closed the connection, -1 on an error.
  virtual std::ptrdiff_t Read(void* buffer, std::size_t size) = 0;
};

// Connects to `host` (a name, resolved to IPv4, or a dotted IPv4 address) at
// `port`, waiting at most `timeoutMs` for the connection to be made. Null
// with `error` set when it fails.
std::unique_ptr<ITcpConnection> ConnectTcp(const std::string& host, std::uint16_t port,
                                           int timeoutMs, TcpError& error);

}  // namespace tolvex::platform
