// Time-protocol arithmetic.
#include "snapins/clock/time_conversion.h"

#include <cmath>

namespace tolvex {

namespace {
constexpr std::uint64_t kEra = std::uint64_t{1} << 32;
constexpr std::uint32_t kFirstCountOfThisEra = std::uint32_t{1} << 31;
}  // namespace

std::uint32_t HalfRoundTrip(std::uint32_t start, std::uint32_t now) {
  if (now < start) return static_cast<std::uint32_t>(now + 4294967295u - start) / 2;
  return (now - start) / 2;
}

TDateTime TimeProtocolToLocal(std::uint32_t seconds, std::uint32_t halfRoundTripMs, int biasMinutes,
                              TDateTime baseDate) {
  if (seconds == 0) return 0;
  std::uint64_t total = seconds;
  if (seconds < kFirstCountOfThisEra) total += kEra;
  total += halfRoundTripMs / 1000;
  return std::trunc(baseDate) + static_cast<double>(total) / 86400.0 - biasMinutes / 1440.0;
}

platform::LocalTime ToLocalTime(TDateTime value) {
  const TDateParts date = DecodeDate(value);
  const TTimeParts time = DecodeTime(value);
  return {date.year, date.month, date.day, time.hour, time.minute, time.second, time.msec};
}

}  // namespace tolvex
