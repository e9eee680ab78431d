// Regional settings on Linux. Qt's locale data supplies the names and
// formats, so the result does not depend on which locales the system has
// generated.
#include "platform/linux/linux_regional_settings.h"

#include <QLocale>
#include <cstdlib>

#include "platform/regional_patterns.h"

namespace tolvex::platform {

namespace {

std::string LocaleFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

RegionalFormat RegionalFormatOfLocale(const std::string& localeName) {
  const std::string name = localeName.substr(0, localeName.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return GermanRegionalFormat();
  const QLocale locale(QString::fromStdString(name));
  if (locale.language() == QLocale::C) return GermanRegionalFormat();

  const QString datePattern = locale.dateFormat(QLocale::ShortFormat);
  RegionalFormat format;
  format.dateSeparator = SeparatorOf(datePattern.toStdString(), ".");
  format.timeSeparator = SeparatorOf(locale.timeFormat(QLocale::ShortFormat).toStdString(), ":");
  format.shortDateFormat = ShortDateFormatOf(datePattern.toStdString());
  for (int i = 0; i < 7; ++i) {
    // Qt counts weekdays from Monday (1) to Sunday (7).
    const int qtDay = i == 0 ? 7 : i;
    format.shortDayNames[i] = Abbreviation(locale.standaloneDayName(qtDay, QLocale::ShortFormat).toStdString());
    format.longDayNames[i] = locale.standaloneDayName(qtDay, QLocale::LongFormat).toStdString();
  }
  for (int i = 0; i < 12; ++i) {
    format.shortMonthNames[i] =
        Abbreviation(locale.standaloneMonthName(i + 1, QLocale::ShortFormat).toStdString());
    format.longMonthNames[i] = locale.standaloneMonthName(i + 1, QLocale::LongFormat).toStdString();
  }
  return format;
}

LinuxRegionalSettings::LinuxRegionalSettings()
    : format_(RegionalFormatOfLocale(LocaleFromEnvironment())) {}

}  // namespace tolvex::platform
