// Time service on Linux.
#include "platform/linux/linux_time.h"

#include <time.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <cerrno>

namespace tolvex::platform {

namespace {

// A reply longer than a Time-protocol wait would freeze the bar for nothing.
constexpr int kTimedatedTimeoutMs = 2500;

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

}  // namespace

int LinuxTime::BiasMinutes() {
  const time_t now = ::time(nullptr);
  struct tm local {};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<int>(-local.tm_gmtoff / 60);
}

bool LinuxTime::SetLocalTime(const LocalTime& time) {
  std::int64_t microseconds = 0;
  if (!LocalTimeToUnixMicroseconds(time, microseconds)) return false;
  const timespec moment{static_cast<time_t>(microseconds / 1000000),
                        static_cast<long>(microseconds % 1000000) * 1000};
  if (clock_settime(CLOCK_REALTIME, &moment) == 0) return true;
  // Without the right to set the clock, the system's time service may still
  // do it for the user.
  if (errno != EPERM) return false;
  return SetTimeThroughTimedated(QDBusConnection::systemBus(), microseconds);
}

bool LocalTimeToUnixMicroseconds(const LocalTime& time, std::int64_t& microseconds) {
  if (!InRange(time.year, 1970, 9999) || !InRange(time.month, 1, 12) || !InRange(time.day, 1, 31) ||
      !InRange(time.hour, 0, 23) || !InRange(time.minute, 0, 59) || !InRange(time.second, 0, 59) ||
      !InRange(time.msec, 0, 999)) {
    return false;
  }
  struct tm local {};
  local.tm_year = time.year - 1900;
  local.tm_mon = time.month - 1;
  local.tm_mday = time.day;
  local.tm_hour = time.hour;
  local.tm_min = time.minute;
  local.tm_sec = time.second;
  local.tm_isdst = -1;
  errno = 0;
  const time_t seconds = mktime(&local);
  if (seconds == static_cast<time_t>(-1) && errno != 0) return false;
  // mktime moves a day past the month's end into the next month.
  if (local.tm_mday != time.day) return false;
  microseconds = static_cast<std::int64_t>(seconds) * 1000000 + time.msec * 1000;
  return true;
}

bool SetTimeThroughTimedated(const QDBusConnection& bus, std::int64_t microseconds) {
  if (!bus.isConnected()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
      QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
  // Absolute time, no interactive authorisation: the bar never asks for rights.
  call << static_cast<qlonglong>(microseconds) << false << false;
  const QDBusMessage reply = bus.call(call, QDBus::Block, kTimedatedTimeoutMs);
  return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace tolvex::platform
