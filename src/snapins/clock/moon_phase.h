// The moon's phase angle for a moment, from the low-precision positions of
// the Sun and the Moon. The angle runs backwards through a lunation: 180 at
// new moon, 90 at first quarter, 0 at full moon, 270 at last quarter.
#pragma once

#include "shared/date_time.h"

namespace tolvex {

// Rounds to the nearest integer, halves to the even one.
long double RoundHalfEven(long double x);

// x - round(x / 360) × 360, then 360 added if negative. The result lies in
// 0..360; it is 360 only for a tiny negative x, where adding 360 rounds up.
// Not a number stays not a number.
long double PutInto360(long double x);

// Sine and cosine of an angle in degrees.
long double SinDeg(long double degrees);
long double CosDeg(long double degrees);

// The Julian day of `date` taken as universal time; 0 for a moment at or
// before 14 October 1582 00:00 and for a value that is not a finite number.
long double JulianDay(TDateTime date);

// The phase angle of `date` (universal time), 0 <= angle < 360.
long double MoonPhaseAngle(TDateTime date);

}  // namespace tolvex
