// The reply of a Time-protocol server (RFC 868): the seconds since
// 1 January 1900 00:00 UTC as a 32-bit unsigned count in network byte order.
// The reply is collected from the pieces the connection delivers; bytes
// after the first four are ignored.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tolvex {

class TTimeReply {
 public:
  // Takes the next piece of the reply.
  void Add(const std::uint8_t* data, std::size_t size);
  // True once four bytes have arrived.
  bool Complete() const { return count_ == 4; }
  // The second count once complete, else 0.
  std::uint32_t Seconds() const;

 private:
  std::uint8_t bytes_[4] = {};
  std::size_t count_ = 0;
};

}  // namespace tolvex
