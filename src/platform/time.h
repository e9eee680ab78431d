// The time service: the time-zone bias of the moment and setting the local
// clock. The millisecond tick count is the desktop service's TickCount.
#pragma once

#include <memory>

namespace tolvex::platform {

// A local date and time, as the clock shows it.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int msec = 0;
};

class ITime {
 public:
  virtual ~ITime() = default;
  // Minutes to add to local time to get UTC, as the time zone says now
  // (daylight saving included when in effect): -60 one hour east of UTC.
  virtual int BiasMinutes() = 0;
  // Sets the computer's clock to `time` in the local time zone; false when
  // the system refused or the time does not exist.
  virtual bool SetLocalTime(const LocalTime& time) = 0;
};

// The back end chosen at start.
ITime& TimeService();
// Replaces it (tests); nullptr returns to the default choice.
void SetTimeService(std::unique_ptr<ITime> time);

}  // namespace tolvex::platform
