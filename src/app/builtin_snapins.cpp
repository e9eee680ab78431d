// The table of the built-in snap-ins.
#include "app/builtin_snapins.h"

#include <array>

namespace tolvex {

namespace {

constexpr std::array<TBuiltInSnapIn, 6> kBuiltIns{{
    {2, "tolvexAmp-Snapin", "txamp.tsi", true},
    {3, "tolvexClock-Snapin", "txclock.tsi", true},
    {4, "tolvexNotes-Snapin", "txnotes.tsi", false},
    {5, "tolvexTerminator-Snapin", "txterm.tsi", false},
    {6, "tolvexDialup-Snapin", "txdialup.tsi", false},
    {7, "tolvexPic-Snapin", "txpic.tsi", false},
}};

}  // namespace

const TBuiltInSnapIn* BuiltInSnapIn(int number) {
  if (number < FirstBuiltInSnapIn || number > LastBuiltInSnapIn) return nullptr;
  return &kBuiltIns[number - FirstBuiltInSnapIn];
}

int BuiltInSnapInOfLibrary(const QString& fileName) {
  const QString lower = fileName.toLower();
  for (const TBuiltInSnapIn& snapIn : kBuiltIns) {
    if (lower == QLatin1String(snapIn.LibraryName)) return snapIn.Number;
  }
  return 0;
}

}  // namespace tolvex
