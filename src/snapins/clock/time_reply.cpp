// Collecting a Time-protocol reply.
#include "snapins/clock/time_reply.h"

#include <algorithm>

namespace tolvex {

void TTimeReply::Add(const std::uint8_t* data, std::size_t size) {
  const std::size_t taken = std::min(size, sizeof bytes_ - count_);
  std::copy_n(data, taken, bytes_ + count_);
  count_ += taken;
}

std::uint32_t TTimeReply::Seconds() const {
  if (!Complete()) return 0;
  return static_cast<std::uint32_t>(bytes_[0]) << 24 | static_cast<std::uint32_t>(bytes_[1]) << 16 |
         static_cast<std::uint32_t>(bytes_[2]) << 8 | bytes_[3];
}

}  // namespace tolvex
