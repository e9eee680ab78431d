// The holiday calculator: the movable feasts of notable years, coinciding
// days, the years without Easter, and every day of 1950 to 2100 against a
// reference list made from an independent holiday library.
#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>

#include "shared/calendar.h"
#include "snapins/clock/date_spec.h"
#include "support/qt_printers.h"

namespace tolvex {
namespace {

QString NamesOf(int year, int month, int day) {
  TDateSpec spec;
  spec.SetDate(MakeDate(year, month, day));
  return spec.Description();
}

TEST(DateSpec, NamesOfNotableDays) {
  struct Case {
    int year, month, day;
    const char* names;
  };
  const Case cases[] = {
      // Easter by the ordinary rule and by both of its exceptions.
      {2000, 4, 23, "Ostersonntag"},
      {2008, 3, 23, "Ostersonntag"},
      {2011, 4, 24, "Ostersonntag"},
      {1981, 4, 19, "Ostersonntag"},
      {1954, 4, 18, "Ostersonntag"},
      {2000, 3, 6, "Rosenmontag"},
      {2000, 3, 7, "Fasching"},
      {2000, 3, 8, "Aschermittwoch"},
      {2000, 4, 21, "Karfreitag"},
      {2000, 4, 24, "Ostermontag"},
      {2000, 6, 1, "Christi Himmelfahrt"},
      {2000, 6, 11, "Pfingstsonntag"},
      {2000, 6, 12, "Pfingstmontag"},
      {2000, 6, 22, "Fronleichnam"},
      // The days counted back from the first Sunday of Advent.
      {2001, 11, 18, "Volkstrauertag"},
      {2001, 11, 21, "Buß- und Bettag"},
      {2001, 11, 25, "Totensonntag"},
      {2001, 12, 2, "1. Advent"},
      {2001, 12, 9, "2. Advent"},
      {2001, 12, 16, "3. Advent"},
      {2001, 12, 23, "4. Advent"},
      {2001, 12, 24, "Heiligabend"},
      // The fourth Sunday of Advent on Christmas Eve is appended.
      {2006, 12, 24, "Heiligabend (4. Advent)"},
      {2006, 12, 3, "1. Advent"},
      // Both days of German unity in 1990, only the later one after it.
      {1990, 6, 17, "Tag der deutschen Einheit"},
      {1990, 10, 3, "Tag der deutschen Einheit"},
      {1991, 6, 17, ""},
      {1953, 6, 17, ""},
      {1955, 6, 17, "Tag der deutschen Einheit"},
      // Corpus Christi 1954 fell on 17 June and, later in the list, wins.
      {1954, 6, 17, "Fronleichnam"},
      {1989, 10, 3, ""},
      // Ascension on 1 May: the later rule wins.
      {2008, 5, 1, "Christi Himmelfahrt"},
      // Fixed days.
      {2026, 1, 1, "Neujahr"},
      {2026, 1, 6, "Heilige drei Könige"},
      {2026, 5, 1, "Maifeiertag"},
      {2026, 11, 1, "Allerheiligen"},
      {2026, 12, 25, "1. Weihnachtstag"},
      {2026, 12, 26, "2. Weihnachtstag"},
      {2026, 12, 31, "Silvester"},
      {2026, 7, 15, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamesOf(c.year, c.month, c.day), QString::fromUtf8(c.names))
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DateSpec, YearsWithoutEasterKeepFixedAndAdventDays) {
  // Easter Sunday is known from 1700 to 2199 only.
  TDateSpec spec;
  int easterDays = 0;
  for (TDateTime day = MakeDate(2200, 1, 1); day <= MakeDate(2200, 12, 31); ++day) {
    spec.SetDate(day);
    for (const char* name : {"Rosenmontag", "Ostersonntag", "Pfingstmontag", "Fronleichnam"}) {
      if (spec.Description() == QLatin1String(name)) ++easterDays;
    }
  }
  EXPECT_EQ(easterDays, 0);
  EXPECT_EQ(NamesOf(2200, 1, 1), "Neujahr");
  EXPECT_EQ(NamesOf(2200, 10, 3), "Tag der deutschen Einheit");
  // 24 December 2200 is a Wednesday: the fourth Advent is the 21st.
  EXPECT_EQ(NamesOf(2200, 12, 21), "4. Advent");
  EXPECT_EQ(NamesOf(2200, 11, 30), "1. Advent");
  EXPECT_EQ(NamesOf(1699, 12, 25), "1. Weihnachtstag");
}

TEST(DateSpec, KeepsTheDateAndIgnoresTheTimeOfDay) {
  TDateSpec spec;
  const TDateTime evening = MakeDate(2001, 12, 24) + 0.75;
  spec.SetDate(evening);
  EXPECT_EQ(spec.Date(), evening);
  EXPECT_EQ(spec.Description(), "Heiligabend");
  // Going back to another year after a whole pass recomputes its feasts.
  spec.SetDate(MakeDate(2008, 3, 23));
  EXPECT_EQ(spec.Description(), "Ostersonntag");
  spec.SetDate(MakeDate(2000, 4, 23));
  EXPECT_EQ(spec.Description(), "Ostersonntag");
  // No date at all, and values outside the dates, have no names.
  spec.SetDate(1e9);
  EXPECT_EQ(spec.Description(), "");
}

struct TReferenceDay {
  QString expected;
  QStringList official;
};

// german_holidays.csv: date; the calendar's names; the library's holidays.
QHash<QString, TReferenceDay> ReadReference() {
  QHash<QString, TReferenceDay> days;
  QFile file(QStringLiteral(TOLVEX_FIXTURE_DIR "/clock/german_holidays.csv"));
  if (!file.open(QIODevice::ReadOnly)) return days;
  file.readLine();
  while (!file.atEnd()) {
    const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(';'));
    if (fields.size() != 3) continue;
    days.insert(fields[0], {fields[1], fields[2].split(QLatin1Char('|'), Qt::SkipEmptyParts)});
  }
  return days;
}

QString IsoDate(TDateTime day) {
  const TDateParts parts = DecodeDate(day);
  return QStringLiteral("%1-%2-%3")
      .arg(parts.year)
      .arg(parts.month, 2, 10, QLatin1Char('0'))
      .arg(parts.day, 2, 10, QLatin1Char('0'));
}

TEST(DateSpec, EveryDayFrom1950To2100MatchesTheReferenceList) {
  const QHash<QString, TReferenceDay> reference = ReadReference();
  ASSERT_GT(reference.size(), 4000);
  TDateSpec spec;
  int wrong = 0;
  for (TDateTime day = MakeDate(1950, 1, 1); day <= MakeDate(2100, 12, 31); ++day) {
    spec.SetDate(day);
    const QString date = IsoDate(day);
    const QString expected = reference.value(date).expected;
    if (spec.Description() != expected && ++wrong <= 10) {
      ADD_FAILURE() << date.toStdString() << ": " << spec.Description().toStdString()
                    << ", expected " << expected.toStdString();
    }
  }
  EXPECT_EQ(wrong, 0);
}

// The library lists the legal holidays of Germany and its states from 1990
// on. Where it names a day the calendar knows, the calendar names it too.
// The differences, year by year:
// - Before 1990 the library lists nothing; the calendar has its full list
//   for every year, with 17 June as the day of German unity 1954 to 1990.
// - Buß- und Bettag is a holiday in all states until 1994 and in Saxony
//   only from 1995 on; the calendar shows it every year, as a memorial day.
// - Days of single states that the calendar does not list: Mariä
//   Himmelfahrt, Reformationstag (everywhere in 2017), Weltkindertag and
//   Internationaler Frauentag (from 2019), and Berlin's 8 May 2020.
// - The calendar also lists memorial days that are no legal holidays
//   (Rosenmontag to Aschermittwoch, Heiligabend, Silvester, Volkstrauertag,
//   Totensonntag, the Sundays of Advent).
// - When Ascension falls on 1 May (2008) the library lists both days and
//   the calendar only "Christi Himmelfahrt".
TEST(DateSpec, OfficialHolidaysOfTheLibraryAreNamed) {
  const QHash<QString, QString> calendarName = {
      {"Neujahr", "Neujahr"},
      {"Heilige Drei Könige", "Heilige drei Könige"},
      {"Karfreitag", "Karfreitag"},
      {"Ostersonntag", "Ostersonntag"},
      {"Ostermontag", "Ostermontag"},
      {"Erster Mai", "Maifeiertag"},
      {"Christi Himmelfahrt", "Christi Himmelfahrt"},
      {"Pfingstsonntag", "Pfingstsonntag"},
      {"Pfingstmontag", "Pfingstmontag"},
      {"Fronleichnam", "Fronleichnam"},
      {"Tag der Deutschen Einheit", "Tag der deutschen Einheit"},
      {"Allerheiligen", "Allerheiligen"},
      {"Buß- und Bettag", "Buß- und Bettag"},
      {"Erster Weihnachtstag", "1. Weihnachtstag"},
      {"Zweiter Weihnachtstag", "2. Weihnachtstag"},
  };
  const QSet<QString> regionalOnly = {
      "Mariä Himmelfahrt", "Reformationstag", "Weltkindertag", "Internationaler Frauentag",
      "75. Jahrestag der Befreiung vom Nationalsozialismus und der Beendigung des Zweiten "
      "Weltkriegs in Europa"};
  const QHash<QString, TReferenceDay> reference = ReadReference();
  TDateSpec spec;
  int checked = 0;
  for (auto day = reference.cbegin(); day != reference.cend(); ++day) {
    const QStringList date = day.key().split(QLatin1Char('-'));
    spec.SetDate(MakeDate(date[0].toInt(), date[1].toInt(), date[2].toInt()));
    for (const QString& official : day.value().official) {
      if (regionalOnly.contains(official)) continue;
      ASSERT_TRUE(calendarName.contains(official)) << official.toStdString();
      const QString name = calendarName.value(official);
      if (name == QLatin1String("Maifeiertag") &&
          spec.Description() == QLatin1String("Christi Himmelfahrt")) {
        continue;
      }
      EXPECT_TRUE(spec.Description().contains(name))
          << day.key().toStdString() << ": " << official.toStdString();
      ++checked;
    }
  }
  // 1991 to 2100, about fifteen named days a year.
  EXPECT_GT(checked, 1500);
}

}  // namespace
}  // namespace tolvex
