// Time service on Linux: the bias from the C library's time zone; the clock
// is set directly when the process holds the right to, else through
// systemd-timedated on the system bus.
#pragma once

#include <cstdint>

#include "platform/time.h"

class QDBusConnection;

namespace tolvex::platform {

class LinuxTime : public ITime {
 public:
  int BiasMinutes() override;
  bool SetLocalTime(const LocalTime& time) override;
};

// The moment `time` in the local time zone as microseconds since 1970 UTC;
// false for a date or time out of range.
bool LocalTimeToUnixMicroseconds(const LocalTime& time, std::int64_t& microseconds);

// Asks systemd-timedated on `bus` to set the clock to `microseconds` since
// 1970 UTC, without asking the user for authorisation; true when it did.
bool SetTimeThroughTimedated(const QDBusConnection& bus, std::int64_t microseconds);

}  // namespace tolvex::platform
