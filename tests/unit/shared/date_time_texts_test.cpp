// Dates and times in their stored text forms, with the regional separators
// and the century window.
#include <gtest/gtest.h>

#include <cmath>

#include "expect_convert_error.h"
#include "regional_fixture.h"
#include "shared/calendar.h"
#include "shared/date_time_texts.h"

namespace tolvex {
namespace {

using DateTimeTexts = RegionalTest;

struct TextDateCase {
  const char* text;
  int year = 0, month = 0, day = 0;  // year 0: the date 0
};

void ExpectDates(std::initializer_list<TextDateCase> cases) {
  for (const TextDateCase& c : cases) {
    const TDateTime expected = c.year == 0 ? 0 : EncodeDate(c.year, c.month, c.day);
    EXPECT_EQ(TextToDate(QString::fromUtf8(c.text)), expected) << c.text;
  }
}

void ExpectDateError(std::initializer_list<const char*> texts) {
  for (const char* text : texts)
    ExpectConvertError([text] { TextToDate(QString::fromUtf8(text)); }, kDateError, text);
}

TEST_F(DateTimeTexts, TextToDateReadsDayMonthAndYear) {
  ExpectDates({
      {"7.12.26", 2026, 12, 7},
      {"7.12.32", 1932, 12, 7},
      {"7.12.31", 2031, 12, 7},
      {"1.1.00", 2000, 1, 1},
      {"1.1.99", 1999, 1, 1},
      {"07.12.2026", 2026, 12, 7},
      {"29.02.2024", 2024, 2, 29},
      {" 7.12.1900", 1900, 12, 7},
      {"07.12.0x7EA", 2026, 12, 7},
      {"1.1.100", 100, 1, 1},
      {"1.1.0026", 2026, 1, 1},
      {"1.2", 0},
      {"07-12-2026", 0},
      {"1234.5.2026", 0},
      {"12.12345.26", 0},
      {"", 0},
      {"7122026", 0},
  });
  ExpectDateError({"31.02.2026", "0.1.2026", "1.13.2026", "1.0.2026", "1..2026", "1.1.-5",
                   "1.1.10000", "1.1.65562", "x.1.2026"});
}

TEST_F(DateTimeTexts, TextToDateUsesTheSeparatorOfTheMomentOfTheCall) {
  UseSeparators("/", ":");
  ExpectDates({{"7/12/26", 2026, 12, 7}, {"7.12.26", 0}});
  UseSeparators(". ", ":");
  ExpectDates({{"7. 1. 26", 2026, 1, 7}, {"7.12.26", 0}});
  ExpectDateError({"7. . 26"});
  UseSeparators("", ":");
  ExpectDates({{"7.12.26", 0}, {"", 0}});
}

TEST_F(DateTimeTexts, CenturyWindowFollowsTheStartYear) {
  const int pivots[][2] = {{2026, 32}, {1990, 96}, {1994, 0}, {2093, 99}, {2094, 100}, {2000, 6}};
  for (const auto& p : pivots) EXPECT_EQ(CenturyPivotOfYear(p[0]), p[1]) << p[0];
  SetCenturyWindowYear(1999);
  ExpectDates({{"7.12.04", 2004, 12, 7}, {"7.12.05", 1905, 12, 7}});
  SetCenturyWindowYear(1994);
  ExpectDates({{"7.12.00", 1900, 12, 7}});
  EXPECT_EQ(WidenYear(100), 100);
  EXPECT_EQ(WidenYear(-1), -1);
}

TEST_F(DateTimeTexts, DateToText) {
  EXPECT_EQ(DateToText(0), QString());
  EXPECT_EQ(DateToText(EncodeDate(2026, 3, 5)), QStringLiteral("05.03.2026"));
  EXPECT_EQ(DateToText(EncodeDate(2026, 3, 5) + 0.75), QStringLiteral("05.03.2026"));
  EXPECT_EQ(DateToText(EncodeDate(5, 1, 1)), QStringLiteral("01.01.0005"));
  EXPECT_EQ(DateToText(-1.25), QStringLiteral("29.12.1899"));
  EXPECT_EQ(DateToText(0.5), QStringLiteral("30.12.1899"));
  EXPECT_EQ(DateToText(std::nan("")), QString());
  UseSeparators("/", ":");
  EXPECT_EQ(DateToText(EncodeDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
}

TEST_F(DateTimeTexts, DateTextsReadBackFrom1700To2199) {
  for (TDateTime date = EncodeDate(1700, 1, 1); date <= EncodeDate(2199, 12, 31); date += 3)
    ASSERT_EQ(TextToDate(DateToText(date)), date) << DateToText(date).toStdString();
}

TEST_F(DateTimeTexts, TimeTexts) {
  EXPECT_EQ(TimeToHHMM(EncodeTime(9, 5, 0, 0)), QStringLiteral("09:05"));
  EXPECT_EQ(TimeToHHMM(46363 + EncodeTime(23, 59, 59, 0)), QStringLiteral("23:59"));
  EXPECT_EQ(TimeToHHMM(-1.25), QStringLiteral("06:00"));
  const struct {
    const char* text;
    int hour, minute;
  } cases[] = {{"7:5", 7, 5},     {"07:05", 7, 5},   {"730", 0, 0}, {"", 0, 0},
               {" 7 : 5 ", 7, 5}, {"23:59", 23, 59}, {":", 0, 0},   {"x:5", 0, 5}};
  for (const auto& c : cases)
    EXPECT_EQ(HHMMToTime(QString::fromUtf8(c.text)), EncodeTime(c.hour, c.minute, 0, 0)) << c.text;
  for (const char* text : {"25:00", "24:00", "23:60", "-1:00", "7:-5"})
    ExpectConvertError([text] { HHMMToTime(QString::fromUtf8(text)); }, kTimeError, text);
}

TEST_F(DateTimeTexts, TimeSeparatorIsRegionalWhenReadAndFixedWhenWritten) {
  UseSeparators(".", ".");
  EXPECT_EQ(HHMMToTime(QStringLiteral("7.5")), EncodeTime(7, 5, 0, 0));
  EXPECT_EQ(HHMMToTime(QStringLiteral("7:5")), 0);
  EXPECT_EQ(TimeToHHMM(EncodeTime(7, 5, 0, 0)), QStringLiteral("07:05"));
}

TEST_F(DateTimeTexts, EveryMinuteReadsBack) {
  for (int minute = 0; minute < 24 * 60; ++minute) {
    const TDateTime time = EncodeTime(minute / 60, minute % 60, 0, 0);
    ASSERT_EQ(HHMMToTime(TimeToHHMM(time)), time) << minute;
  }
}

}  // namespace
}  // namespace tolvex
