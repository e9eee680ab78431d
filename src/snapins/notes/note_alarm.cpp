// The alarm check.
#include "snapins/notes/note_alarm.h"

#include <cmath>

#include "shared/calendar.h"

namespace tolvex {

namespace {

constexpr TDateTime kOneSecond = 1.0 / 86400.0;

TDateTime NextAlarmDay(const TWeekdaySet& days, TDateTime today) {
  if (days.none()) return today;
  for (int offset = 0; offset < 7; ++offset) {
    const TDateTime day = today + offset;
    const int weekday = MondayBasedWeekday(DayOfWeek(day), -1);
    if (weekday >= 0 && days[size_t(weekday)]) return day;
  }
  return today;
}

}  // namespace

bool CheckAlarm(TNoteAlarm& alarm, TAlarmState& state, TDateTime now, TDateTime previousCheck) {
  if (!alarm.on) return false;
  if (alarm.schedule == asRepeated)
    alarm.moment = CombineDateTime(NextAlarmDay(alarm.days, std::trunc(now)), alarm.moment);
  const TDateTime moment = alarm.moment;
  const bool inWindow = moment <= now && now <= moment + kOneSecond;
  const bool passedUnseen = previousCheck > 0 && previousCheck < moment && moment <= now;
  if (!(inWindow || passedUnseen) || moment == state.fired) return false;
  state.fired = moment;
  return true;
}

}  // namespace tolvex
