// The century window that turns two-digit years into four-digit ones. Its
// pivot is computed once when the program starts, from that day's year, and
// stays for the whole run.
#pragma once

namespace tolvex {

// The pivot for a program started in `currentYear`: years below it belong to
// the 2000s, the others to the 1900s (2026 gives 32).
int CenturyPivotOfYear(int currentYear);

// A year 0 to 99 with the century of the window; other years unchanged.
int WidenYear(int year);

// Recomputes the window as if the program had started in `currentYear`
// (tests fix the window with it).
void SetCenturyWindowYear(int currentYear);

}  // namespace tolvex
