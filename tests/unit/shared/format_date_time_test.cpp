// Formatting with format letters under German and other regional settings.
#include <gtest/gtest.h>

#include <cmath>

#include "regional_fixture.h"
#include "shared/format_date_time.h"

namespace tolvex {
namespace {

using FormatDateTimeTest = RegionalTest;

struct FormatCase {
  const char* format;
  double value;
  const char* expected;
};

void ExpectFormats(std::initializer_list<FormatCase> cases) {
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.expected))
        << c.format << " of " << c.value;
  }
}

// Monday 7 December 2026, 07:05:03.
const double kMonday = EncodeDate(2026, 12, 7) + EncodeTime(7, 5, 3, 0);
const double kSaturday = EncodeDate(2026, 3, 7) + EncodeTime(18, 30, 0, 0);

TEST_F(FormatDateTimeTest, DateLetters) {
  ExpectFormats({
      {"ddd. dd.mm.yy", kMonday, "Mo. 07.12.26"},
      {"mmm yyyy", EncodeDate(2026, 12, 1), "Dez 2026"},
      {"ddd., d. mmm. yyyy", kSaturday, "Sa., 7. Mär. 2026"},
      {"dddd, d. mmmm yyyy", kSaturday, "Samstag, 7. März 2026"},
      {"ddd., d. mmmm", kMonday, "Mo., 7. Dezember"},
      {"d.m.y", kSaturday, "7.3.26"},
      {"dd.mm.yyy", kSaturday, "07.03.2026"},
      {"yyyy", EncodeDate(5, 1, 1), "0005"},
      {"yy", EncodeDate(2005, 1, 1), "05"},
      {"ddddd", kMonday, "07.12.2026"},
      {"DD.MM.YYYY", kMonday, "07.12.2026"},
      {"dd.mm.yyyy hh:nn", -1.25, "29.12.1899 06:00"},
  });
}

TEST_F(FormatDateTimeTest, TimeLetters) {
  ExpectFormats({
      {"hh:nn:ss", kMonday, "07:05:03"},
      {"h:n:s", kMonday, "7:5:3"},
      {"HH:NN:SS", kSaturday, "18:30:00"},
      {"hh:mm", kMonday, "07:05"},
      {"h m", kMonday, "7 5"},
      {"hh d mm", kMonday, "07 7 12"},
      {"hh:mm:ss mm", kMonday, "07:05:03 12"},
      {"hhh", kMonday, "07"},
  });
}

TEST_F(FormatDateTimeTest, PureDatesAndPureTimes) {
  ExpectFormats({
      {"hh:nn:ss", EncodeDate(2026, 12, 7), "00:00:00"},
      {"dd.mm.yyyy", EncodeTime(7, 5, 0, 0), "30.12.1899"},
      {"ddd dd.mm.yyyy", 0, "Sa 30.12.1899"},
  });
}

TEST_F(FormatDateTimeTest, QuotedTextAndOtherCharactersAreCopied) {
  ExpectFormats({
      {"\"Heute ist\" dddd", kMonday, "Heute ist Montag"},
      {"'hh' hh", kMonday, "hh 07"},
      {"'abc", kMonday, "abc"},
      {"\"it's\"", kMonday, "it's"},
      {"''", kMonday, ""},
      {"Zeit", kMonday, "Zeit"},
      {"KW", kMonday, "KW"},
      {"Uhr", kMonday, "U7r"},
      {"\"Uhr\"", kMonday, "Uhr"},
      {"[ä] %1 ∑", kMonday, "[ä] %1 ∑"},
      {"", kMonday, ""},
  });
}

TEST_F(FormatDateTimeTest, SeparatorsAndNamesFollowTheRegionalSettings) {
  platform::RegionalFormat english = platform::GermanRegionalFormat();
  english.dateSeparator = "/";
  english.timeSeparator = ".";
  english.shortDateFormat = "m/d/yyyy";
  english.shortDayNames[1] = "Mon";
  english.longMonthNames[11] = "December";
  UseRegional(english);
  ExpectFormats({
      {"ddd dd/mm/yyyy hh:nn", kMonday, "Mon 07/12/2026 07.05"},
      {"mmmm", kMonday, "December"},
      {"ddddd", kMonday, "12/7/2026"},
      {"dd.mm", kMonday, "07.12"},
  });
}

TEST_F(FormatDateTimeTest, ValuesOutsideTheDateRangeShowZeros) {
  ExpectFormats({
      {"ddd dd.mm.yyyy hh:nn mmm", std::nan(""), " 00.00.0000 00:00 "},
      {"dddd", 1e12, ""},
  });
}

}  // namespace
}  // namespace tolvex
