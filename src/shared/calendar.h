// Calendar arithmetic for the clock, the year planner and the alarms: leap
// years, month lengths, day and ISO 8601 week numbers, Easter Sunday.
#pragma once

#include "shared/date_time.h"

namespace tolvex {

bool YearIsLeap(int year);
// 28 to 31; 0 for a month outside 1 to 12.
int MonthLength(int year, int month);

// Each of year, month and day that is 0 counts as 1; raises EConvertError for
// an impossible date.
TDateTime MakeDate(int year, int month, int day);
TDateTime FirstDayOfYear(TDateTime date);
TDateTime LastDayOfYear(TDateTime date);

int YearOfDate(TDateTime date);
int CurrentMonth();
int CurrentYear();

// 1 for 1 January up to 365 or 366.
int DayNumber(TDateTime date);
// The ISO 8601 week number, 1 to 53 (weeks run Monday to Sunday; week 1 holds
// the year's first Thursday); 0 for a value outside the date range.
int WeekNumber(TDateTime date);

// 0 Monday … 6 Sunday for a weekday number 2 Monday … 7 Saturday, 1 Sunday;
// `fallback` for any other number.
int MondayBasedWeekday(int weekday, int fallback);

// Easter Sunday of the date's year by Gauss's rule for 1700 to 2199; 0 for
// other years.
TDateTime EasterSunday(TDateTime date);

}  // namespace tolvex
