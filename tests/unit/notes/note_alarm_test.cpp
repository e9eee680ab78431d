// The alarm check of one note at chosen moments.
#include <gtest/gtest.h>

#include "shared/calendar.h"
#include "snapins/notes/note_alarm.h"

namespace tolvex {
namespace {

constexpr TDateTime kSecond = 1.0 / 86400.0;

// Wednesday, 9 December 2026.
const TDateTime kWednesday = EncodeDate(2026, 12, 9);
const TDateTime kSeven = EncodeTime(7, 0, 0, 0);

TNoteAlarm Alarm(TDateTime moment, int schedule = asOnce, TWeekdaySet days = {}) {
  TNoteAlarm alarm;
  alarm.on = true;
  alarm.moment = moment;
  alarm.schedule = schedule;
  alarm.days = days;
  return alarm;
}

TEST(NoteAlarm, AOnceOnlyAlarmFiresInItsSecondOnlyOnce) {
  TNoteAlarm alarm = Alarm(kWednesday + kSeven);
  TAlarmState state;
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + kSeven - kSecond / 2, 0));
  EXPECT_TRUE(CheckAlarm(alarm, state, kWednesday + kSeven + kSecond, 0));
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + kSeven + kSecond, 0));
}

TEST(NoteAlarm, BothEndsOfTheSecondAreDue) {
  for (const TDateTime offset : {0.0, kSecond}) {
    TNoteAlarm alarm = Alarm(kWednesday + kSeven);
    TAlarmState state;
    EXPECT_TRUE(CheckAlarm(alarm, state, kWednesday + kSeven + offset, 0)) << offset;
  }
}

TEST(NoteAlarm, AOnceOnlyAlarmInThePastNeverFires) {
  TNoteAlarm alarm = Alarm(kWednesday + kSeven);
  TAlarmState state;
  for (int second = 2; second < 10; ++second)
    EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + kSeven + second * kSecond,
                            kWednesday + kSeven + (second - 1) * kSecond));
}

TEST(NoteAlarm, AnAlarmThatIsOffNeverFires) {
  TNoteAlarm alarm = Alarm(kWednesday + kSeven);
  alarm.on = false;
  TAlarmState state;
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + kSeven, 0));
}

TEST(NoteAlarm, ASecondNoCheckFellIntoFiresAtTheNextCheck) {
  TNoteAlarm alarm = Alarm(kWednesday + kSeven);
  TAlarmState state;
  EXPECT_TRUE(CheckAlarm(alarm, state, kWednesday + kSeven + 5 * kSecond,
                         kWednesday + kSeven - kSecond / 10));
}

TEST(NoteAlarm, ARepeatedAlarmWithoutDaysFiresEveryDayAtItsTime) {
  TNoteAlarm alarm = Alarm(EncodeDate(2020, 1, 1) + kSeven, asRepeated);
  TAlarmState state;
  for (int day = 0; day < 3; ++day) {
    const TDateTime today = kWednesday + day;
    EXPECT_FALSE(CheckAlarm(alarm, state, today + kSeven - kSecond * 2, 0));
    EXPECT_DOUBLE_EQ(alarm.moment, today + kSeven);
    EXPECT_TRUE(CheckAlarm(alarm, state, today + kSeven + kSecond / 2, 0)) << day;
  }
}

TEST(NoteAlarm, ARepeatedWeekendAlarmSeenOnAWednesdayMovesToSaturday) {
  TNoteAlarm alarm = Alarm(kSeven, asRepeated, TWeekdaySet(0b1100000));
  TAlarmState state;
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + kSeven, 0));
  EXPECT_DOUBLE_EQ(alarm.moment, EncodeDate(2026, 12, 12) + kSeven);
  EXPECT_EQ(DayOfWeek(alarm.moment), 7);
}

TEST(NoteAlarm, ARepeatedAlarmKeepsTodayUntilMidnight) {
  TNoteAlarm alarm = Alarm(kSeven, asRepeated, TWeekdaySet(0b0000100));
  TAlarmState state;
  EXPECT_TRUE(CheckAlarm(alarm, state, kWednesday + kSeven, 0));
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + EncodeTime(23, 0, 0, 0), 0));
  EXPECT_DOUBLE_EQ(alarm.moment, kWednesday + kSeven);
  EXPECT_FALSE(CheckAlarm(alarm, state, kWednesday + 1, 0));
  EXPECT_DOUBLE_EQ(alarm.moment, kWednesday + 7 + kSeven);
}

}  // namespace
}  // namespace tolvex
