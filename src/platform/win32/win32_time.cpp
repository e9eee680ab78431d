#include "platform/win32/win32_time.h"

#include <windows.h>

namespace tolvex::platform {

int Win32Time::BiasMinutes() {
  TIME_ZONE_INFORMATION zone{};
  switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_STANDARD:
      return int(zone.Bias + zone.StandardBias);
    case TIME_ZONE_ID_DAYLIGHT:
      return int(zone.Bias + zone.DaylightBias);
    case TIME_ZONE_ID_UNKNOWN:
      return int(zone.Bias);
    default:
      return 0;
  }
}

bool Win32Time::SetLocalTime(const LocalTime& time) {
  SYSTEMTIME wanted{};
  wanted.wYear = WORD(time.year);
  wanted.wMonth = WORD(time.month);
  wanted.wDay = WORD(time.day);
  wanted.wHour = WORD(time.hour);
  wanted.wMinute = WORD(time.minute);
  wanted.wSecond = WORD(time.second);
  wanted.wMilliseconds = WORD(time.msec);
  // A date that does not exist (31 April) is refused before the clock is
  // touched: the conversion checks it.
  FILETIME check;
  if (time.year < 1601 || time.year > 30827 || !SystemTimeToFileTime(&wanted, &check))
    return false;
  return ::SetLocalTime(&wanted) != 0;
}

}  // namespace tolvex::platform
