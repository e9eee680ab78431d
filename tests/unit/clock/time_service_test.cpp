// The time service: the simulated back end records and never sets; the
// Linux back end's bias and its conversion of local time (the clock itself
// is never set by a test).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>

#include "platform/linux/linux_time.h"
#include "platform/sim/sim_time.h"

namespace tolvex::platform {
namespace {

TEST(SimTime, RecordsTheMomentAndLogsIt) {
  QTemporaryDir dir;
  const QByteArray path = (dir.path() + "/sim.log").toUtf8();
  setenv("TOLVEX_SIM_LOG", path.constData(), 1);
  sim::SimTime time;
  EXPECT_TRUE(time.SetLocalTime({2040, 3, 1, 0, 0, 0, 5}));
  unsetenv("TOLVEX_SIM_LOG");
  ASSERT_TRUE(time.LastSet().has_value());
  EXPECT_EQ(time.LastSet()->year, 2040);
  QFile file(QString::fromUtf8(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("time\tset\t2040-03-01 00:00:00.005\n"));
}

TEST(SimTime, TestsRunOnTheSimulatedTimeService) {
  EXPECT_NE(dynamic_cast<sim::SimTime*>(&TimeService()), nullptr);
}

// Sets the time zone for the life of the object.
class TScopedTimeZone {
 public:
  explicit TScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TScopedTimeZone() {
    if (saved_.empty()) {
      unsetenv("TZ");
    } else {
      setenv("TZ", saved_.c_str(), 1);
    }
    tzset();
  }

 private:
  std::string saved_;
};

TEST(LinuxTime, BiasOfTheTimeZone) {
  struct Case {
    const char* zone;
    int bias;
  };
  // Zones without daylight saving, so the bias does not depend on the day.
  for (const Case& c :
       {Case{"UTC0", 0}, Case{"CET-1", -60}, Case{"EST5", 300}, Case{"IST-5:30", -330}}) {
    TScopedTimeZone zone(c.zone);
    EXPECT_EQ(LinuxTime().BiasMinutes(), c.bias) << c.zone;
  }
}

TEST(LinuxTime, LocalTimeToTheMomentOfTheClock) {
  TScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
  std::int64_t microseconds = 0;
  // 1 March 2040 00:00 CET is 29 February 2040 23:00 UTC.
  ASSERT_TRUE(LocalTimeToUnixMicroseconds({2040, 3, 1, 0, 0, 0, 250}, microseconds));
  EXPECT_EQ(microseconds, 2214169200LL * 1000000 + 250000);
  // In summer the zone is two hours ahead.
  ASSERT_TRUE(LocalTimeToUnixMicroseconds({2012, 7, 1, 2, 0, 0, 0}, microseconds));
  EXPECT_EQ(microseconds, 1341100800LL * 1000000);
}

TEST(LinuxTime, ImpossibleLocalTimesAreRefused) {
  TScopedTimeZone zone("UTC0");
  std::int64_t microseconds = 0;
  for (const LocalTime& time :
       {LocalTime{2012, 2, 30, 0, 0, 0, 0}, LocalTime{2012, 13, 1}, LocalTime{2012, 1, 1, 24},
        LocalTime{2012, 1, 1, 0, 0, 0, 1000}, LocalTime{1969, 12, 31, 23, 59, 59, 0}}) {
    EXPECT_FALSE(LocalTimeToUnixMicroseconds(time, microseconds)) << time.year << "-" << time.month;
  }
}

}  // namespace
}  // namespace tolvex::platform
