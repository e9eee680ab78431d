// The moon's phase angle: the quarters of January 2000, the Julian day's
// calendar limit, the rounding of the angle functions, and 240 moments of
// two centuries against an independent ephemeris.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "snapins/clock/moon_phase.h"

namespace tolvex {
namespace {

TDateTime Utc(int year, int month, int day, int hour, int minute) {
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, 0, 0);
}

TEST(MoonPhase, QuartersOfJanuary2000) {
  struct Case {
    TDateTime moment;
    double angle;
  };
  const Case cases[] = {
      {Utc(2000, 1, 6, 18, 14), 178.37},  // new moon
      {Utc(2000, 1, 14, 13, 34), 89.86},  // first quarter
      {Utc(2000, 1, 21, 4, 40), 0.30},    // full moon
      {Utc(2000, 1, 28, 7, 57), 270.16},  // last quarter
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(static_cast<double>(MoonPhaseAngle(c.moment)), c.angle, 0.01) << c.moment;
  }
}

TEST(MoonPhase, JulianDayStartsWithTheGregorianCalendar) {
  EXPECT_EQ(JulianDay(EncodeDate(1582, 10, 14)), 0.0L);
  EXPECT_EQ(JulianDay(EncodeDate(1000, 6, 1) + 0.5), 0.0L);
  EXPECT_EQ(JulianDay(EncodeDate(1582, 10, 15)), 2299160.5L);
  EXPECT_EQ(JulianDay(EncodeDate(2000, 1, 1) + 0.5), 2451545.0L);
}

TEST(MoonPhase, MomentsBeforeTheCalendarStillHaveAnAngle) {
  for (TDateTime moment : {EncodeDate(1582, 10, 14), EncodeDate(1, 1, 1)}) {
    const long double angle = MoonPhaseAngle(moment);
    EXPECT_GE(angle, 0.0L);
    EXPECT_LT(angle, 360.0L);
    // Every such moment computes with the same Julian day.
    EXPECT_EQ(angle, MoonPhaseAngle(EncodeDate(1500, 3, 3)));
  }
}

TEST(MoonPhase, AnyDateValueGivesAnAngle) {
  for (TDateTime moment : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e6}) {
    const long double angle = MoonPhaseAngle(moment);
    EXPECT_GE(angle, 0.0L) << moment;
    EXPECT_LE(angle, 360.0L) << moment;
  }
}

TEST(MoonPhase, AnglesRoundHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5L), 2.0L);
  EXPECT_EQ(RoundHalfEven(3.5L), 4.0L);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2.0L);
  struct Case {
    long double in;
    long double out;
  };
  // 540 / 360 = 1.5 rounds to 2, 900 / 360 = 2.5 rounds to 2: both give 180.
  const Case cases[] = {{540, 180}, {900, 180},  {-30, 330},
                        {720, 0},   {-180, 180}, {359.5L, 359.5L}};
  for (const Case& c : cases) EXPECT_EQ(PutInto360(c.in), c.out) << static_cast<double>(c.in);
}

// The table of the ephemeris and the script that made it lie beside each
// other in the fixtures. The method leaves out small terms and takes the
// moment as dynamical time, so the angle differs from the ephemeris by up to
// 0.03 degree between 1900 and 2100.
constexpr double kTolerance = 0.04;

TEST(MoonPhase, AgreesWithAnIndependentEphemeris) {
  QFile file(TOLVEX_FIXTURE_DIR "/clock/moon_phase_ephemeris.csv");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  int rows = 0;
  double worst = 0;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList fields = line.split(u',');
    ASSERT_EQ(fields.size(), 4) << line.toStdString();
    const long double angle = MoonPhaseAngle(fields[0].toDouble());
    const double unsignedAngle = static_cast<double>(angle <= 180 ? angle : 360 - angle);
    const double expected = fields[1].toDouble();
    EXPECT_NEAR(unsignedAngle, expected, kTolerance) << fields[3].toStdString();
    worst = std::max(worst, std::abs(unsignedAngle - expected));
    // Close to new moon the Moon passes the Sun north or south of it and
    // the side is a matter of hundredths of a degree.
    if (expected < 178) {
      EXPECT_EQ(angle <= 180, fields[2] == u"1") << fields[3].toStdString();
    }
    ++rows;
  }
  EXPECT_EQ(rows, 240);
  RecordProperty("worst_difference", std::to_string(worst));
}

}  // namespace
}  // namespace tolvex
