// The arithmetic of the Time-protocol client: the half round trip of an
// exchange and the local time of a server's second count.
#pragma once

#include <cstdint>

#include "platform/time.h"
#include "shared/date_time.h"

namespace tolvex {

// 1 January 1900 00:00, the moment the protocol's second count 0 stands for.
inline constexpr TDateTime kTimeProtocolBaseDate = 2.0;

// Half the milliseconds between two readings of the 32-bit tick count; a
// count that wrapped around in between is taken as having passed 2^32 - 1.
std::uint32_t HalfRoundTrip(std::uint32_t start, std::uint32_t now);

// The local time of second count `seconds`, `halfRoundTripMs` later, with
// the time zone's bias of the moment (UTC = local time + bias minutes).
// The count is 32 bits wide and wraps on 7 February 2036 06:28:16 UTC: no
// server answers a time before 1968, so a count below 2^31 belongs to the
// era after the wrap. 0 for the count 0, which means failure.
TDateTime TimeProtocolToLocal(std::uint32_t seconds, std::uint32_t halfRoundTripMs, int biasMinutes,
                              TDateTime baseDate = kTimeProtocolBaseDate);

// The parts of `value` for the platform's set-local-time call.
platform::LocalTime ToLocalTime(TDateTime value);

}  // namespace tolvex
