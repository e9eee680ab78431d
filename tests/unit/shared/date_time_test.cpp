// TDateTime: encoding, decoding (dates before 1899 included), weekdays and
// the conversions to and from Qt's types.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "expect_convert_error.h"
#include "shared/date_time.h"

namespace tolvex {
namespace {

struct DateCase {
  int year, month, day;
  double serial;
};

TEST(DateTime, EncodesAndDecodesDates) {
  const DateCase cases[] = {
      {1899, 12, 30, 0},   {1899, 12, 29, -1},      {1900, 1, 1, 2},
      {2000, 1, 1, 36526}, {2026, 12, 7, 46363},    {2026, 3, 5, 46086},
      {1, 1, 1, -693593},  {9999, 12, 31, 2958465}, {2024, 2, 29, 45351},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(c.serial);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
    const TDateParts parts = DecodeDate(c.serial);
    EXPECT_EQ(parts.year, c.year);
    EXPECT_EQ(parts.month, c.month);
    EXPECT_EQ(parts.day, c.day);
  }
}

struct SplitCase {
  double value;
  int year, month, day, hour, minute, second, msec;
};

TEST(DateTime, TimeOfDayIsTheAbsoluteFractionAndRoundsToTheMillisecond) {
  const SplitCase cases[] = {
      {-1.25, 1899, 12, 29, 6, 0, 0, 0},
      {-0.5, 1899, 12, 30, 12, 0, 0, 0},
      {-693593.75, 1, 1, 1, 18, 0, 0, 0},
      {46363.5 + 1.0 / 86400, 2026, 12, 7, 12, 0, 1, 0},
      {36526.999, 2000, 1, 1, 23, 58, 33, 600},
      // Less than half a millisecond before midnight is the next day.
      {0.99999999999, 1899, 12, 31, 0, 0, 0, 0},
      {-1.99999999999, 1899, 12, 28, 0, 0, 0, 0},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.value);
    const TDateParts date = DecodeDate(c.value);
    const TTimeParts time = DecodeTime(c.value);
    EXPECT_EQ(date.year, c.year);
    EXPECT_EQ(date.month, c.month);
    EXPECT_EQ(date.day, c.day);
    EXPECT_EQ(time.hour, c.hour);
    EXPECT_EQ(time.minute, c.minute);
    EXPECT_EQ(time.second, c.second);
    EXPECT_EQ(time.msec, c.msec);
  }
}

TEST(DateTime, ValuesOutsideTheDateRangeDecodeToZeros) {
  for (double value : {-693594.0, 2958466.0, 1e300, -1e300, std::nan(""),
                       std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(DecodeDate(value).year, 0);
    EXPECT_EQ(DecodeDate(value).day, 0);
    EXPECT_EQ(DecodeTime(value).hour, 0);
    EXPECT_EQ(DayOfWeek(value), 0);
    EXPECT_FALSE(ToQDate(value).isValid());
    EXPECT_FALSE(ToQDateTime(value).isValid());
  }
}

// Callers that show errors in the application's error display catch EtxError.
static_assert(std::is_base_of_v<EtxError, EConvertError>);

TEST(DateTime, ImpossibleDatesAndTimesRaiseTheConversionError) {
  const int dates[][3] = {{2026, 2, 29}, {2026, 13, 1}, {2026, 0, 1},  {2026, 1, 0},
                          {2026, 4, 31}, {0, 1, 1},     {10000, 1, 1}, {-1, 1, 1}};
  for (const auto& d : dates) {
    ExpectConvertError(
        [&d] { EncodeDate(d[0], d[1], d[2]); }, kDateError,
        std::to_string(d[0]) + "-" + std::to_string(d[1]) + "-" + std::to_string(d[2]));
  }
  const int times[][4] = {{24, 0, 0, 0},   {23, 60, 0, 0}, {0, 0, 60, 0},
                          {0, 0, 0, 1000}, {-1, 0, 0, 0},  {0, -1, 0, 0}};
  for (const auto& t : times) {
    ExpectConvertError([&t] { EncodeTime(t[0], t[1], t[2], t[3]); }, kTimeError,
                       std::to_string(t[0]) + ":" + std::to_string(t[1]) + ":" +
                           std::to_string(t[2]) + "." + std::to_string(t[3]));
  }
  EXPECT_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000.0);
}

TEST(DateTime, AgreesWithQtFrom1700To2199) {
  for (QDate q(1700, 1, 1); q.year() < 2200; q = q.addDays(1)) {
    const TDateTime date = EncodeDate(q.year(), q.month(), q.day());
    ASSERT_EQ(FromQDate(q), date) << q.toString(Qt::ISODate).toStdString();
    const TDateTime evening = CombineDateTime(date, 0.75);
    ASSERT_EQ(ToQDate(evening), q);
    ASSERT_EQ(DecodeDate(evening).day, q.day());
    // Qt counts Monday 1 … Sunday 7, the platform Sunday 1 … Saturday 7.
    ASSERT_EQ(DayOfWeek(evening), q.dayOfWeek() % 7 + 1);
  }
  EXPECT_EQ(DayOfWeek(0), 7);
  EXPECT_EQ(DayOfWeek(-1.5), 6);
}

TEST(DateTime, CombinesDateAndTimeOfDayOnBothSidesOfDayZero) {
  const double cases[][3] = {
      // date source, time source, result
      {46363.7, 0.25, 46363.25}, {46363.0, 46000.75, 46363.75},
      {-5.9, 0.25, -5.25},       {-5.0, 1.75, -5.75},
      {0.0, -0.25, 0.25},        {-0.5, 0.5, 0.5},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(CombineDateTime(c[0], c[1]), c[2]) << c[0] << " " << c[1];
  }
  const TTimeParts time = DecodeTime(CombineDateTime(-5, 0.75));
  EXPECT_EQ(time.hour, 18);
  EXPECT_EQ(DecodeDate(CombineDateTime(-5, 0.75)).day, 25);
}

TEST(DateTime, ConvertsToAndFromQtTypes) {
  const QDateTime before(QDate(1899, 12, 29), QTime(6, 0));
  EXPECT_EQ(ToQDateTime(-1.25), before);
  EXPECT_EQ(FromQDateTime(before), -1.25);
  const QDateTime later(QDate(2026, 12, 7), QTime(18, 30, 15, 250));
  EXPECT_EQ(ToQDateTime(FromQDateTime(later)), later);
  EXPECT_EQ(FromQTime(QTime(12, 0)), 0.5);
  EXPECT_EQ(ToQTime(46363.5), QTime(12, 0));
  EXPECT_EQ(FromQDate(QDate()), 0);
  EXPECT_EQ(FromQTime(QTime()), 0);
  EXPECT_EQ(FromQDateTime(QDateTime()), 0);
}

}  // namespace
}  // namespace tolvex
