// The six built-in snap-ins: their numbers, display names and library file
// names. A layout entry or a dropped file naming one of these libraries
// always means the built-in panel; the library itself is never loaded.
#pragma once

#include <QString>

namespace tolvex {

struct TBuiltInSnapIn {
  int Number;               // 2 to 7
  const char* DisplayName;  // e.g. "tolvexClock-Snapin"
  const char* LibraryName;  // lower case, e.g. "txclock.tsi"
  bool SavedByBar;          // the bar calls SaveSettings when it is destroyed
};

inline constexpr int FirstBuiltInSnapIn = 2;
inline constexpr int LastBuiltInSnapIn = 7;

// The built-in snap-in of `number`, or nullptr outside 2 to 7.
const TBuiltInSnapIn* BuiltInSnapIn(int number);

// The number of the built-in snap-in whose library file name is `fileName`
// (compared in lower case), or 0 when it names none.
int BuiltInSnapInOfLibrary(const QString& fileName);

}  // namespace tolvex
