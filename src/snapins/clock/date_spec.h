// TDateSpec, the holiday calculator of the year calendar: the German
// holidays and memorial days of a date, from fixed days, Easter Sunday and
// the first Sunday of Advent. The two movable dates are kept for the year
// last asked about, so a pass over a whole year computes them once.
#pragma once

#include <QString>
#include <cstdint>

#include "shared/date_time.h"

namespace tolvex {

class TDateSpec {
 public:
  // Looks up the names of `date` (its time of day is ignored).
  void SetDate(TDateTime date);
  TDateTime Date() const { return date_; }
  // The names found for the date last given; empty when it has none. When
  // two days coincide the later one in the list wins, except the fourth
  // Sunday of Advent, which is appended: "Heiligabend (4. Advent)".
  const QString& Description() const { return description_; }

 private:
  void CacheYear(int year);

  TDateTime date_ = 0;
  QString description_;
  TDateTime easterSunday_ = 0;
  TDateTime firstAdvent_ = 0;
  std::uint16_t cachedYear_ = 0;
};

}  // namespace tolvex
