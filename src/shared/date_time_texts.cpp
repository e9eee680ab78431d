// Dates and times in their stored text forms.
#include "shared/date_time_texts.h"

#include <algorithm>

#include "platform/regional_settings.h"
#include "shared/century_window.h"
#include "shared/texts.h"

namespace tolvex {

namespace {

QString TwoDigits(int value) {
  return QString::number(value).rightJustified(2, u'0');
}

QString RegionalDateSeparator() {
  return QString::fromStdString(platform::RegionalSettings().Format().dateSeparator);
}

QString RegionalTimeSeparator() {
  return QString::fromStdString(platform::RegionalSettings().Format().timeSeparator);
}

}  // namespace

QString DateToText(TDateTime date) {
  const TDateParts parts = DecodeDate(date);
  if (date == 0 || parts.year == 0) return {};
  const QString separator = RegionalDateSeparator();
  return TwoDigits(parts.day) + separator + TwoDigits(parts.month) + separator +
         QString::number(parts.year).rightJustified(4, u'0');
}

TDateTime TextToDate(const QString& text) {
  const QString separator = RegionalDateSeparator();
  if (separator.isEmpty()) return 0;
  // Positions counted from 1, 0 when there is no separator.
  const qsizetype p1 = text.indexOf(separator) + 1;
  const qsizetype p2 = text.lastIndexOf(separator) + 1;
  if (p1 == p2 || p1 > 3 || p2 > 6 || p2 > p1 + 3) return 0;
  const qsizetype width = separator.size();
  const int day = IntOfText(text.left(p1 - 1), 0);
  // Occurrences of a longer separator may overlap, leaving no month text.
  const int month = IntOfText(text.mid(p1 - 1 + width, std::max<qsizetype>(0, p2 - p1 - width)), 0);
  const int year = IntOfText(text.mid(p2 - 1 + width), 0);
  return EncodeDate(WidenYear(year), month, day);
}

QString TimeToHHMM(TDateTime time) {
  const TTimeParts parts = DecodeTime(time);
  return TwoDigits(parts.hour) + u':' + TwoDigits(parts.minute);
}

TDateTime HHMMToTime(const QString& text) {
  const QString separator = RegionalTimeSeparator();
  const qsizetype p = separator.isEmpty() ? -1 : text.indexOf(separator);
  if (p < 0) return EncodeTime(0, 0, 0, 0);
  return EncodeTime(IntOfText(text.left(p), 0), IntOfText(text.mid(p + separator.size()), 0), 0, 0);
}

}  // namespace tolvex
