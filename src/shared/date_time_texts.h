// Dates and times in the text forms the note files store: the date with the
// regional date separator ("07.12.2026"), the time as hours and minutes.
#pragma once

#include <QString>

#include "shared/date_time.h"

namespace tolvex {

// Two-digit day and month and four-digit year joined by the regional date
// separator; the empty text for exactly 0 and for values outside the dates.
QString DateToText(TDateTime date);
// The date of "day<s>month<s>year" with s the regional date separator; a year
// below 100 is widened by the century window. 0 when the separators are
// missing or misplaced; raises EConvertError for an impossible date.
TDateTime TextToDate(const QString& text);

// Two-digit hour and minute joined by ":", whatever the regional settings.
QString TimeToHHMM(TDateTime time);
// The time of "hour<t>minute" with t the regional time separator; 00:00 when
// there is no separator. Raises EConvertError for an impossible time.
TDateTime HHMMToTime(const QString& text);

}  // namespace tolvex
