// The Time-protocol client's arithmetic: second counts to local time with
// the bias of the moment, the era after 2036, and the half round trip.
#include <gtest/gtest.h>

#include "snapins/clock/time_conversion.h"
#include "snapins/clock/time_reply.h"

namespace tolvex {
namespace {

constexpr std::uint32_t kCount2012 = 3534364800u;  // 1 January 2012 00:00 UTC

// The second count of a UTC moment of the era 1900..2036.
std::uint32_t CountOf(int year, int month, int day, int hour = 0) {
  return static_cast<std::uint32_t>(
      std::llround((EncodeDate(year, month, day) + hour / 24.0 - 2.0) * 86400.0));
}

std::string Text(const platform::LocalTime& t) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.msec);
  return text;
}

TEST(TimeConversion, SecondCountsToLocalTime) {
  struct Case {
    const char* what;
    std::uint32_t seconds;
    std::uint32_t halfRoundTripMs;
    int bias;
    const char* local;
  };
  const Case cases[] = {
      {"largest count", 4294967295u, 0, 0, "2036-02-07 06:28:15.000"},
      {"one hour east of UTC", CountOf(2012, 1, 1), 0, -60, "2012-01-01 01:00:00.000"},
      {"west of UTC with daylight saving", CountOf(2012, 7, 1, 12), 0, 240,
       "2012-07-01 08:00:00.000"},
      {"whole seconds of the half round trip", CountOf(2012, 1, 1), 2999, 0,
       "2012-01-01 00:00:02.000"},
      {"less than a second of it", CountOf(2012, 1, 1), 999, 0, "2012-01-01 00:00:00.000"},
      {"first count of the era before the wrap", 2147483648u, 0, 0, "1968-01-20 03:14:08.000"},
      {"first count after the wrap", 1, 0, 0, "2036-02-07 06:28:17.000"},
      {"a count after the wrap", 128194304u, 0, 0, "2040-03-01 00:00:00.000"},
      {"last count after the wrap", 2147483647u, 0, 0, "2104-02-26 09:42:23.000"},
  };
  for (const Case& c : cases) {
    const TDateTime local = TimeProtocolToLocal(c.seconds, c.halfRoundTripMs, c.bias);
    EXPECT_EQ(Text(ToLocalTime(local)), c.local) << c.what;
  }
}

TEST(TimeConversion, CountZeroMeansFailure) {
  EXPECT_EQ(TimeProtocolToLocal(0, 0, 0), 0.0);
  EXPECT_EQ(TimeProtocolToLocal(0, 5000, -60), 0.0);
}

TEST(TimeConversion, OnlyWholeDaysOfTheBaseDateCount) {
  EXPECT_EQ(TimeProtocolToLocal(kCount2012, 0, 0, 2.75),
            TimeProtocolToLocal(kCount2012, 0, 0, 2.0));
}

TEST(TimeConversion, HalfRoundTrip) {
  EXPECT_EQ(HalfRoundTrip(100, 301), 100u);
  EXPECT_EQ(HalfRoundTrip(7, 7), 0u);
  // The tick count wrapped: 0x10 + 0xFFFFFFFF - 0xFFFFFFF0 = 31.
  EXPECT_EQ(HalfRoundTrip(0xFFFFFFF0u, 0x10u), 15u);
  EXPECT_EQ(HalfRoundTrip(0xFFFFFFFFu, 0u), 0u);
}

TEST(TimeReply, FirstFourBytesInNetworkOrder) {
  TTimeReply reply;
  const std::uint8_t first[] = {0xD2, 0x10};
  const std::uint8_t rest[] = {0xAB, 0x80, 0x01, 0x02, 0x03};
  reply.Add(first, sizeof first);
  EXPECT_FALSE(reply.Complete());
  EXPECT_EQ(reply.Seconds(), 0u);
  reply.Add(rest, sizeof rest);
  EXPECT_TRUE(reply.Complete());
  EXPECT_EQ(reply.Seconds(), 0xD210AB80u);
}

}  // namespace
}  // namespace tolvex
