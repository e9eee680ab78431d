// The user's regional settings, read once at start.
#include "platform/win32/win32_regional_settings.h"

#include <windows.h>

#include "platform/regional_patterns.h"
#include "platform/win32/wide_text.h"

namespace tolvex::platform {

namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t text[128] = L"";
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 128);
  return length > 1 ? Utf8(std::wstring_view(text, static_cast<size_t>(length - 1))) : "";
}

}  // namespace

Win32RegionalSettings::Win32RegionalSettings() {
  const std::string datePattern = LocaleText(LOCALE_SSHORTDATE);
  if (datePattern.empty()) {
    format_ = GermanRegionalFormat();
    return;
  }
  format_.dateSeparator = SeparatorOf(datePattern, ".");
  format_.timeSeparator = SeparatorOf(LocaleText(LOCALE_STIMEFORMAT), ":");
  format_.shortDateFormat = ShortDateFormatOf(datePattern);
  // The system counts the days from Monday (1) to Sunday (7); index 0 is Sunday.
  for (int i = 0; i < 7; ++i) {
    const int day = i == 0 ? 6 : i - 1;
    format_.shortDayNames[i] = Abbreviation(LocaleText(LOCALE_SABBREVDAYNAME1 + day));
    format_.longDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + day);
  }
  for (int i = 0; i < 12; ++i) {
    format_.shortMonthNames[i] = Abbreviation(LocaleText(LOCALE_SABBREVMONTHNAME1 + i));
    format_.longMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i);
  }
}

}  // namespace tolvex::platform
