// TIdTime, the Time-protocol client (RFC 868 over TCP): asks a time server
// for the current time, converts it to local time and sets the computer's
// clock through the platform's time service. Everything blocks the calling
// thread: the connect and every wait for data last at most `Timeout`.
#pragma once

#include <cstdint>
#include <string>

#include "shared/date_time.h"
#include "shared/error.h"
#include "snapins/clock/time_conversion.h"

namespace tolvex {

// A failed exchange: the name did not resolve, the connection was refused,
// could not be made in time, or closed before the reply was whole.
class ETimeClientError : public EtxError {
 public:
  using EtxError::EtxError;
};

class TIdTime {
 public:
  // Name or dotted IPv4 address of the time server.
  std::string Host;
  std::uint16_t Port = 37;
  TDateTime BaseDate = kTimeProtocolBaseDate;
  // Longest wait, in milliseconds, for the connection and for each piece of
  // the reply.
  int Timeout = 2500;

  // Half the time the last exchange waited for its reply, in milliseconds.
  std::uint32_t RoundTripDelay() const { return halfRoundTrip_; }

  // The server's second count; 0 when a wait for data ran out. Raises
  // ETimeClientError for the failures above.
  std::uint32_t ReadSeconds();
  // The server's time as local time; 0 on failure. Raises as ReadSeconds.
  TDateTime DateTime();
  // Sets the computer's clock to the server's time; true when the platform
  // accepted it. Raises as ReadSeconds.
  bool SyncTime();

 private:
  std::uint32_t halfRoundTrip_ = 0;
};

}  // namespace tolvex
