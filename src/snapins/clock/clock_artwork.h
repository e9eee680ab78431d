// The clock panel's pictures, drawn rather than stored: the tear-off
// calendar sheet, the two month arrows and the four action images.
#pragma once

#include <QPixmap>

namespace tolvex {

// 64 × 64: a tear-off calendar sheet under a dark blue strip that carries
// the time; the weekday and the day are written on the sheet.
QPixmap CalendarSheetPicture();

// 9 × 9 arrows for the month buttons, pointing left (previous) or right.
QPixmap MonthArrowPicture(bool next);

// The 16 × 16 images of the clock's actions, in image-list order.
enum TClockImage : int {
  ciChangeDateTime = 0,
  ciSynchronise = 1,
  ciMoonphase = 2,
  ciYearCalendar = 3,
};
QPixmap ClockActionImage(TClockImage image);

// 32 × 32: the year calendar window's icon, the action's calendar page at
// twice its size.
QPixmap YearCalendarIcon();

}  // namespace tolvex
