// Date and time formatting with format letters, as the clock's lines and the
// year planner use it. Day and month names and the separators come from the
// regional settings.
#pragma once

#include <QString>

#include "shared/date_time.h"

namespace tolvex {

// Letters (upper or lower case, a run of one letter is one field):
//   d, dd        day of the month (dd with a leading zero)
//   ddd, dddd    abbreviated and full weekday name
//   ddddd        the regional short date format
//   m, mm        month (mm with a leading zero)
//   mmm, mmmm    abbreviated and full month name
//   yy, yyyy     year with two or four digits (y as yy, yyy and more as yyyy)
//   h, hh        hour, 24-hour clock
//   n, nn        minute; m and mm right after an h field mean minutes too
//   s, ss        second
//   /  :         the regional date and time separator
//   "…"  '…'     text copied as it stands
// Every other character is copied.
QString FormatDateTime(const QString& format, TDateTime value);

}  // namespace tolvex
