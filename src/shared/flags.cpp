// Sets of flags and their stored forms.
#include "shared/flags.h"

#include "shared/texts.h"

namespace tolvex {

int FlagsToInt(const TFlagSet& flags) {
  return int(flags.to_ulong());
}

TFlagSet IntToFlags(int value) {
  return TFlagSet(unsigned(value) & 0xFu);
}

TWeekdaySet TextToWeekdays(const QString& text) {
  const QString fitted = FitToLength(text, 7, u'0');
  TWeekdaySet weekdays;
  for (int i = 0; i < 7; ++i) weekdays[i] = fitted[i] == u'1';
  return weekdays;
}

QString WeekdaysToText(const TWeekdaySet& weekdays) {
  QString text(7, u'0');
  for (int i = 0; i < 7; ++i)
    if (weekdays[i]) text[i] = u'1';
  return text;
}

}  // namespace tolvex
