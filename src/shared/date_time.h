// TDateTime, the system's date and time: days since 30 December 1899 00:00
// as a double, the time of day in the fraction. Before that day the whole
// part counts backwards and the time of day is the absolute fraction
// (-1.25 is 29 December 1899, 06:00). 0 stands for "no date" in most fields.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <functional>

#include "shared/error.h"

namespace tolvex {

using TDateTime = double;

// The conversion error of impossible dates and times.
class EConvertError : public EtxError {
 public:
  using EtxError::EtxError;
};

struct TDateParts {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct TTimeParts {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int msec = 0;
};

// Year 1 to 9999; raises EConvertError "Ungültiges Argument zum Codieren des
// Datums" for an impossible date.
TDateTime EncodeDate(int year, int month, int day);
// Raises EConvertError "Ungültiges Argument zum Codieren der Uhrzeit" for an
// hour above 23, a minute or second above 59 or milliseconds above 999.
TDateTime EncodeTime(int hour, int minute, int second, int msec);

// Values are rounded to the millisecond first, so a date and its time of day
// always agree. A value outside 1 January 1 to 31 December 9999, or not a
// number, decodes to all zeros.
TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);
// 1 Sunday, 2 Monday, …, 7 Saturday; 0 for a value DecodeDate cannot read.
int DayOfWeek(TDateTime value);

// The whole days of `dateSource` (truncated towards zero) with the time of
// day of `timeSource`.
TDateTime CombineDateTime(TDateTime dateSource, TDateTime timeSource);

// Local date and time.
TDateTime Today();
TDateTime Now();

// Where Now and Today take the local date and time from: tests hand in a
// clock of their own; an empty function returns to the system clock.
// Returns the previous source.
using TNowSource = std::function<TDateTime()>;
TNowSource SetNowSource(TNowSource source);

// Conversions to Qt's types give invalid values for what DecodeDate cannot
// read; conversions from invalid Qt values give 0.
QDate ToQDate(TDateTime value);
QTime ToQTime(TDateTime value);
QDateTime ToQDateTime(TDateTime value);
TDateTime FromQDate(const QDate& date);
TDateTime FromQTime(const QTime& time);
TDateTime FromQDateTime(const QDateTime& dateTime);

}  // namespace tolvex
