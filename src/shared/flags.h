// Sets of flags and their stored forms: four flags as the bits of an integer
// (font styles, note attributes), seven weekdays as a text of "0" and "1".
#pragma once

#include <QString>
#include <bitset>

namespace tolvex {

// Flag k is bit k (value 2 to the power k).
using TFlagSet = std::bitset<4>;
// Flag 0 is Monday, 6 Sunday.
using TWeekdaySet = std::bitset<7>;

int FlagsToInt(const TFlagSet& flags);
// Bits 4 and higher are ignored.
TFlagSet IntToFlags(int value);

// Flag i is set when character i + 1 (counted from 1) of the text, filled up
// to 7 characters with "0", is "1".
TWeekdaySet TextToWeekdays(const QString& text);
// Seven characters, "1" for a set flag and "0" for a clear one.
QString WeekdaysToText(const TWeekdaySet& weekdays);

}  // namespace tolvex
