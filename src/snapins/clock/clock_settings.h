// The clock's settings in section "TolvexClock" of the main configuration
// file: the keys, their defaults and reading them all at once. The clock
// panel and its settings dialog share them.
#pragma once

#include <QString>
#include <array>

namespace tolvex {

class TtxIniFile;

namespace clock_keys {
inline const QString kSection = QStringLiteral("TolvexClock");
inline const QString kLayout = QStringLiteral("Layout");
inline const QString kMoonphase = QStringLiteral("Moonphase");
inline const QString kDblClickAction = QStringLiteral("DblClickAction");
inline const QString kTimeServer = QStringLiteral("TimeServer");
inline const QString kSyncOnStart = QStringLiteral("SyncOnStart");
inline const QString kSyncOnRasConnect = QStringLiteral("SyncOnRasConnect");
inline const QString kUserDef = QStringLiteral("UserDef");
}  // namespace clock_keys

// A public server of the Time protocol.
inline const QString kDefaultTimeServer = QStringLiteral("time.nist.gov");

// The kind of a user-defined line: the digit in "UserDef".
enum TLineKind : int { lkEmpty = 0, lkTime = 1, lkDate = 2, lkExtras = 3 };

// What a double click does ("DblClickAction").
enum TDblClickAction : int {
  dcNone = 0,
  dcDateTimeSettings = 1,
  dcSynchronise = 2,
  dcYearCalendar = 3,
  dcNextLayout = 4,
};

struct TUserDefLine {
  TLineKind kind = lkEmpty;
  QString format;
};

struct TClockSettings {
  int layout = 0;
  bool moonphase = false;
  int dblClickAction = dcNone;
  QString timeServer = kDefaultTimeServer;
  bool syncOnStart = false;
  bool syncOnRasConnect = false;
  std::array<TUserDefLine, 3> lines;

  // Every key; a missing or unreadable one gives its default.
  static TClockSettings Read(const TtxIniFile& file);
};

// The format a line of `kind` has when its key is missing.
QString DefaultLineFormat(TLineKind kind);

}  // namespace tolvex
