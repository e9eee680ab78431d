// The holiday list of the year calendar.
#include "snapins/clock/date_spec.h"

#include <cmath>

#include "shared/calendar.h"

namespace tolvex {

namespace {

// A day in the year of the date asked about: a fixed day of the calendar,
// or a number of days from Easter Sunday or from the first Sunday of Advent.
enum class TBase { Fixed, Easter, Advent };

struct TRule {
  const char* name;
  TBase base;
  int month;  // fixed days
  int day;    // fixed days: the day of the month; otherwise the offset in days
  int firstYear = 0;
  int lastYear = 9999;
};

// In the order they are applied; a later match replaces an earlier one.
constexpr TRule kRules[] = {
    {"Neujahr", TBase::Fixed, 1, 1},
    {"Heilige drei Könige", TBase::Fixed, 1, 6},
    {"Allerheiligen", TBase::Fixed, 11, 1},
    {"Maifeiertag", TBase::Fixed, 5, 1},
    {"Heiligabend", TBase::Fixed, 12, 24},
    {"1. Weihnachtstag", TBase::Fixed, 12, 25},
    {"2. Weihnachtstag", TBase::Fixed, 12, 26},
    {"Silvester", TBase::Fixed, 12, 31},
    {"Tag der deutschen Einheit", TBase::Fixed, 6, 17, 1954, 1990},
    {"Tag der deutschen Einheit", TBase::Fixed, 10, 3, 1990},
    {"Rosenmontag", TBase::Easter, 0, -48},
    {"Fasching", TBase::Easter, 0, -47},
    {"Aschermittwoch", TBase::Easter, 0, -46},
    {"Karfreitag", TBase::Easter, 0, -2},
    {"Ostersonntag", TBase::Easter, 0, 0},
    {"Ostermontag", TBase::Easter, 0, 1},
    {"Christi Himmelfahrt", TBase::Easter, 0, 39},
    {"Pfingstsonntag", TBase::Easter, 0, 49},
    {"Pfingstmontag", TBase::Easter, 0, 50},
    {"Fronleichnam", TBase::Easter, 0, 60},
    {"Volkstrauertag", TBase::Advent, 0, -14},
    {"Buß- und Bettag", TBase::Advent, 0, -11},
    {"Totensonntag", TBase::Advent, 0, -7},
    {"1. Advent", TBase::Advent, 0, 0},
    {"2. Advent", TBase::Advent, 0, 7},
    {"3. Advent", TBase::Advent, 0, 14},
};

// The fourth Sunday of Advent, three weeks after the first; its name is
// appended to any other name of the day.
constexpr int kFourthAdventOffset = 21;

}  // namespace

void TDateSpec::CacheYear(int year) {
  cachedYear_ = static_cast<std::uint16_t>(year);
  const TDateTime christmasEve = MakeDate(year, 12, 24);
  // DayOfWeek counts from 1 on Sunday: step back to the Sunday on or before.
  const TDateTime fourthAdvent = christmasEve - (DayOfWeek(christmasEve) - 1);
  firstAdvent_ = fourthAdvent - kFourthAdventOffset;
  // Zero outside the years Gauss's rule covers: no Easter-based day then.
  easterSunday_ = EasterSunday(MakeDate(year, 1, 1));
}

void TDateSpec::SetDate(TDateTime date) {
  date_ = date;
  description_.clear();
  const TDateParts parts = DecodeDate(date);
  if (parts.year == 0) return;
  if (parts.year != cachedYear_) CacheYear(parts.year);
  const TDateTime day = std::trunc(date);
  for (const TRule& rule : kRules) {
    bool matches = false;
    switch (rule.base) {
      case TBase::Fixed:
        matches = parts.month == rule.month && parts.day == rule.day &&
                  parts.year >= rule.firstYear && parts.year <= rule.lastYear;
        break;
      case TBase::Easter:
        matches = easterSunday_ != 0 && day == easterSunday_ + rule.day;
        break;
      case TBase::Advent:
        matches = day == firstAdvent_ + rule.day;
        break;
    }
    if (matches) description_ = QString::fromUtf8(rule.name);
  }
  if (day == firstAdvent_ + kFourthAdventOffset) {
    description_ = description_.isEmpty() ? QStringLiteral("4. Advent")
                                          : description_ + QStringLiteral(" (4. Advent)");
  }
}

}  // namespace tolvex
