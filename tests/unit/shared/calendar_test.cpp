// Calendar arithmetic: leap years, month lengths, day and week numbers and
// Easter, the last three checked day by day from 1700 to 2199 against
// independent computations.
#include <gtest/gtest.h>

#include <cmath>

#include "shared/calendar.h"

namespace tolvex {
namespace {

TDateTime Date(int year, int month, int day) {
  return EncodeDate(year, month, day);
}

TEST(Calendar, LeapYearsAndMonthLengths) {
  const struct {
    int year, month, length;
  } cases[] = {
      {1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29},  {2026, 2, 28}, {2100, 2, 28}, {1600, 2, 29},
      {2026, 1, 31}, {2026, 4, 30}, {2026, 12, 31}, {2026, 0, 0},  {2026, 13, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "-" << c.month;
    if (c.month == 2) {
      EXPECT_EQ(YearIsLeap(c.year), c.length == 29) << c.year;
    }
  }
}

TEST(Calendar, MakeDateCountsZeroAsOne) {
  EXPECT_EQ(MakeDate(2026, 0, 0), Date(2026, 1, 1));
  EXPECT_EQ(MakeDate(2026, 12, 0), Date(2026, 12, 1));
  EXPECT_EQ(MakeDate(0, 0, 0), Date(1, 1, 1));
  EXPECT_THROW(MakeDate(2026, 2, 30), EConvertError);
  EXPECT_EQ(FirstDayOfYear(Date(2026, 12, 7) + 0.5), Date(2026, 1, 1));
  EXPECT_EQ(LastDayOfYear(Date(2026, 12, 7) + 0.5), Date(2026, 12, 31));
}

TEST(Calendar, DayNumbers) {
  const struct {
    double date;
    int number;
  } cases[] = {
      {Date(2026, 1, 1), 1},
      {Date(2024, 12, 31), 366},
      {Date(2026, 12, 31), 365},
      {Date(2026, 12, 8), 342},
      {Date(2026, 12, 8) + 0.99, 342},
      // 20 December 1899, 06:00: the time of day lies before the day's start.
      {-10.25, 354},
      {Date(1, 1, 1), 1},
  };
  for (const auto& c : cases) EXPECT_EQ(DayNumber(c.date), c.number) << c.date;
}

TEST(Calendar, WeekNumbersAtYearEnds) {
  const struct {
    int year, month, day, week;
  } cases[] = {
      {2021, 1, 1, 53},    // Friday
      {2024, 12, 31, 1},   // Tuesday
      {2026, 12, 7, 50},   // Monday
      {2026, 12, 31, 53},  // Thursday
      {2027, 1, 3, 53},    // Sunday
      {2027, 1, 4, 1},     // Monday
      {2025, 12, 29, 1},   // Monday
      {2025, 12, 28, 52},  // Sunday
      {2022, 1, 1, 52},    // Saturday
      {2016, 1, 3, 53},    // Sunday, in the last week of 2015
      {1, 1, 1, 1},       {9999, 12, 31, 52},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekNumber(CombineDateTime(Date(c.year, c.month, c.day), 0.5)), c.week)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(Calendar, DayAndWeekNumbersAgreeWithQtFrom1700To2199) {
  for (QDate q(1700, 1, 1); q.year() < 2200; q = q.addDays(1)) {
    const TDateTime date = Date(q.year(), q.month(), q.day());
    ASSERT_EQ(DayNumber(date), q.dayOfYear()) << q.toString(Qt::ISODate).toStdString();
    ASSERT_EQ(WeekNumber(date), q.weekNumber()) << q.toString(Qt::ISODate).toStdString();
  }
}

TEST(Calendar, NumbersOfValuesOutsideTheDateRangeAreZero) {
  EXPECT_EQ(WeekNumber(1e9), 0);
  EXPECT_EQ(DayNumber(-1e9), 0);
  EXPECT_EQ(YearOfDate(std::nan("")), 0);
}

TEST(Calendar, MondayBasedWeekdays) {
  const int expected[] = {-9, 6, 0, 1, 2, 3, 4, 5, -9};  // for 0 … 8, -9 the default
  for (int n = 0; n <= 8; ++n) EXPECT_EQ(MondayBasedWeekday(n, -9), expected[n]) << n;
  EXPECT_EQ(MondayBasedWeekday(-1, 3), 3);
}

TEST(Calendar, EasterSundays) {
  const struct {
    int year, month, day;
  } cases[] = {
      {2026, 4, 5}, {1981, 4, 19}, {1954, 4, 18}, {2000, 4, 23}, {2019, 4, 21}, {1818, 3, 22},
      {2285, 0, 0}, {1943, 4, 25}, {2038, 4, 25}, {2049, 4, 18}, {1700, 4, 11}, {2199, 4, 14},
  };
  for (const auto& c : cases) {
    const TDateTime expected = c.month == 0 ? 0 : Date(c.year, c.month, c.day);
    EXPECT_EQ(EasterSunday(Date(c.year, 6, 1)), expected) << c.year;
  }
  EXPECT_EQ(EasterSunday(Date(2200, 1, 1)), 0);
  EXPECT_EQ(EasterSunday(Date(1699, 12, 31)), 0);
}

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher), independent of
// Gauss's rule with its two exceptions.
QDate ReferenceEaster(int year) {
  const int a = year % 19, b = year / 100, c = year % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int monthDay = h + l - 7 * m + 114;
  return QDate(year, monthDay / 31, monthDay % 31 + 1);
}

TEST(Calendar, EasterAgreesWithAnIndependentRuleFrom1700To2199) {
  for (int year = 1700; year <= 2199; ++year) {
    const TDateTime easter = EasterSunday(Date(year, 1, 1));
    EXPECT_EQ(ToQDate(easter), ReferenceEaster(year)) << year;
    EXPECT_EQ(DayOfWeek(easter), 1) << year;
  }
}

}  // namespace
}  // namespace tolvex
