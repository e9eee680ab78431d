// Calendar arithmetic.
#include "shared/calendar.h"

namespace tolvex {

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Offsets of the week-number rule, indexed by weekday number 1 Sunday … 7
// Saturday (index 0 unused). The first one moves a day number onto a count
// where day 1 is the Monday of week 1. With the second one, day number plus
// offset reaches the year's last day number exactly when the Thursday of the
// date's week lies in the next year.
constexpr int kFirstDayOffset[8] = {0, -1, 0, 1, 2, 3, -3, -2};
constexpr int kThursdayOffset[8] = {0, -4, 2, 1, 0, -1, -2, -3};

}  // namespace

bool YearIsLeap(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return kMonthLengths[month - 1] + (month == 2 && YearIsLeap(year) ? 1 : 0);
}

TDateTime MakeDate(int year, int month, int day) {
  return EncodeDate(year == 0 ? 1 : year, month == 0 ? 1 : month, day == 0 ? 1 : day);
}

TDateTime FirstDayOfYear(TDateTime date) {
  return MakeDate(YearOfDate(date), 1, 1);
}

TDateTime LastDayOfYear(TDateTime date) {
  return MakeDate(YearOfDate(date), 12, 31);
}

int YearOfDate(TDateTime date) {
  return DecodeDate(date).year;
}

int CurrentMonth() {
  return DecodeDate(Today()).month;
}

int CurrentYear() {
  return DecodeDate(Today()).year;
}

int DayNumber(TDateTime date) {
  // From the decoded date, so that a time of day before 30 December 1899
  // (counted backwards from the day) does not count one day short.
  const TDateParts parts = DecodeDate(date);
  int number = parts.day;
  for (int month = 1; month < parts.month; ++month) number += MonthLength(parts.year, month);
  return number;
}

int WeekNumber(TDateTime date) {
  if (DayOfWeek(date) == 0) return 0;
  const TDateTime first = FirstDayOfYear(date);
  const int n = DayNumber(date);
  const int a = n + kFirstDayOffset[DayOfWeek(first)];
  if (a <= 0) return WeekNumber(first - 1);
  if (n + kThursdayOffset[DayOfWeek(date)] >= DayNumber(LastDayOfYear(date))) return 1;
  return (a - 1) / 7 + 1;
}

int MondayBasedWeekday(int weekday, int fallback) {
  if (weekday < 1 || weekday > 7) return fallback;
  return (weekday + 5) % 7;
}

TDateTime EasterSunday(TDateTime date) {
  const int year = YearOfDate(date);
  if (year < 1700 || year > 2199) return 0;
  const int m = year < 1900 ? 23 : 24;
  const int n = year < 1800 ? 3 : year < 1900 ? 4 : year < 2100 ? 5 : 6;
  const int a = year % 19;
  const int b = year % 4;
  const int c = year % 7;
  const int d = (19 * a + m) % 30;
  const int e = (2 * b + 4 * c + 6 * d + n) % 7;
  if (22 + d + e <= 31) return MakeDate(year, 3, 22 + d + e);
  int day = d + e - 9;
  if (day == 26) day = 19;
  if (day == 25 && d == 28 && a > 10) day = 18;
  return MakeDate(year, 4, day);
}

}  // namespace tolvex
