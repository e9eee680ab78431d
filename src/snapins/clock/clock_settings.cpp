// Reading the clock's settings.
#include "snapins/clock/clock_settings.h"

#include "app/ini_file.h"
#include "shared/texts.h"

namespace tolvex {

QString DefaultLineFormat(TLineKind kind) {
  switch (kind) {
    case lkTime:
      return QStringLiteral("hh:nn:ss");
    case lkDate:
      return QStringLiteral("ddd., d. mmm. yyyy");
    default:
      return {};
  }
}

TClockSettings TClockSettings::Read(const TtxIniFile& file) {
  using namespace clock_keys;
  TClockSettings settings;
  settings.layout = file.ReadInteger(kSection, kLayout, 0);
  settings.moonphase = file.ReadBool(kSection, kMoonphase, false);
  settings.dblClickAction = file.ReadInteger(kSection, kDblClickAction, dcNone);
  settings.timeServer = file.ReadString(kSection, kTimeServer, kDefaultTimeServer);
  settings.syncOnStart = file.ReadBool(kSection, kSyncOnStart, false);
  settings.syncOnRasConnect = file.ReadBool(kSection, kSyncOnRasConnect, false);
  const QString kinds =
      FitToLength(file.ReadString(kSection, kUserDef, QStringLiteral("123")), 3, QLatin1Char('0'));
  for (int i = 0; i < 3; ++i) {
    const int digit = kinds.at(i).digitValue();
    TUserDefLine& line = settings.lines[i];
    line.kind = digit >= lkTime && digit <= lkExtras ? static_cast<TLineKind>(digit) : lkEmpty;
    line.format =
        file.ReadString(kSection, kUserDef + QString::number(i + 1), DefaultLineFormat(line.kind));
  }
  return settings;
}

}  // namespace tolvex
