// The century window, set once at program start-up.
#include "shared/century_window.h"

#include <QDate>

namespace tolvex {

namespace {

// Dynamic initialisation runs at start-up, before any caller.
int pivot = CenturyPivotOfYear(QDate::currentDate().year());

}  // namespace

int CenturyPivotOfYear(int currentYear) {
  const int p = currentYear - 1900 + 6;
  return p >= 100 ? p - 100 : p;
}

int WidenYear(int year) {
  if (year < 0 || year > 99) return year;
  return year < pivot ? 2000 + year : 1900 + year;
}

void SetCenturyWindowYear(int currentYear) {
  pivot = CenturyPivotOfYear(currentYear);
}

}  // namespace tolvex
