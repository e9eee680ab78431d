// Encoding and decoding of TDateTime values.
#include "shared/date_time.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace tolvex {

namespace {

constexpr std::int64_t kMSecsPerDay = 86400000;
// Julian day of 30 December 1899.
constexpr std::int64_t kJulianDayOfZero = 2415019;
// Day numbers of 1 January 1 and 31 December 9999.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

// A value split into its day and its time of day in milliseconds.
struct Split {
  bool valid = false;
  std::int64_t day = 0;
  int msec = 0;
};

Split SplitValue(TDateTime value) {
  // Rules out NaN and values whose milliseconds overflow before rounding.
  if (!(std::fabs(value) < 4e6)) return {};
  const std::int64_t total = std::llround(value * double(kMSecsPerDay));
  const std::int64_t day = total / kMSecsPerDay;  // truncates towards zero
  if (day < kFirstDay || day > kLastDay) return {};
  return {true, day, int((total < 0 ? -total : total) % kMSecsPerDay)};
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
    throw EConvertError(QStringLiteral("Ungültiges Argument zum Codieren des Datums"));
  return double(QDate(year, month, day).toJulianDay() - kJulianDayOfZero);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
      msec > 999)
    throw EConvertError(QStringLiteral("Ungültiges Argument zum Codieren der Uhrzeit"));
  return double(((hour * 60 + minute) * 60 + second) * 1000 + msec) / double(kMSecsPerDay);
}

TDateParts DecodeDate(TDateTime value) {
  const Split split = SplitValue(value);
  if (!split.valid) return {};
  TDateParts parts;
  QDate::fromJulianDay(split.day + kJulianDayOfZero).getDate(&parts.year, &parts.month, &parts.day);
  return parts;
}

TTimeParts DecodeTime(TDateTime value) {
  const Split split = SplitValue(value);
  if (!split.valid) return {};
  const int ms = split.msec;
  return {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

int DayOfWeek(TDateTime value) {
  const Split split = SplitValue(value);
  if (!split.valid) return 0;
  // Day 0 was a Saturday (7), day 1 a Sunday (1).
  const int rest = int(((split.day % 7) + 7) % 7);
  return rest == 0 ? 7 : rest;
}

TDateTime CombineDateTime(TDateTime dateSource, TDateTime timeSource) {
  const double day = std::trunc(dateSource);
  const double time = std::fabs(timeSource - std::trunc(timeSource));
  // Before day 0 the time of day is counted away from zero as well.
  return day < 0 ? day - time : day + time;
}

namespace {

TNowSource& NowSource() {
  static TNowSource source;
  return source;
}

}  // namespace

TNowSource SetNowSource(TNowSource source) {
  return std::exchange(NowSource(), std::move(source));
}

TDateTime Today() {
  if (NowSource()) return std::trunc(NowSource()());
  return FromQDate(QDate::currentDate());
}

TDateTime Now() {
  if (NowSource()) return NowSource()();
  return FromQDateTime(QDateTime::currentDateTime());
}

QDate ToQDate(TDateTime value) {
  const Split split = SplitValue(value);
  return split.valid ? QDate::fromJulianDay(split.day + kJulianDayOfZero) : QDate();
}

QTime ToQTime(TDateTime value) {
  const Split split = SplitValue(value);
  return split.valid ? QTime::fromMSecsSinceStartOfDay(split.msec) : QTime();
}

QDateTime ToQDateTime(TDateTime value) {
  const QDate date = ToQDate(value);
  return date.isValid() ? QDateTime(date, ToQTime(value)) : QDateTime();
}

TDateTime FromQDate(const QDate& date) {
  return date.isValid() ? double(date.toJulianDay() - kJulianDayOfZero) : 0.0;
}

TDateTime FromQTime(const QTime& time) {
  return time.isValid() ? double(time.msecsSinceStartOfDay()) / double(kMSecsPerDay) : 0.0;
}

TDateTime FromQDateTime(const QDateTime& dateTime) {
  if (!dateTime.isValid()) return 0.0;
  return CombineDateTime(FromQDate(dateTime.date()), FromQTime(dateTime.time()));
}

}  // namespace tolvex
