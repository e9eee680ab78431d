// Four flags as an integer and seven weekdays as a text.
#include <gtest/gtest.h>

#include "shared/flags.h"

namespace tolvex {
namespace {

TEST(Flags, FourFlagsKeepTheirBitPositions) {
  for (int value = 0; value < 16; ++value) EXPECT_EQ(FlagsToInt(IntToFlags(value)), value);
  EXPECT_EQ(FlagsToInt(TFlagSet().set(0).set(3)), 9);
  EXPECT_EQ(IntToFlags(0x1F5), TFlagSet(0b0101));
  EXPECT_EQ(IntToFlags(-1), TFlagSet(0b1111));
}

TEST(Flags, WeekdayTexts) {
  EXPECT_EQ(WeekdaysToText(TWeekdaySet().set(0).set(6)), QStringLiteral("1000001"));
  EXPECT_EQ(WeekdaysToText(TWeekdaySet()), QStringLiteral("0000000"));
  const struct {
    const char* text;
    unsigned long flags;  // bit i is weekday i (0 Monday)
  } cases[] = {
      {"11", 0b0000011},        {"1000001", 0b1000001}, {"1x1", 0b0000101},     {"", 0},
      {"111111111", 0b1111111}, {"0000001", 0b1000000}, {"2111111", 0b1111110}, {" 1", 0b10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextToWeekdays(QString::fromUtf8(c.text)), TWeekdaySet(c.flags)) << c.text;
  for (unsigned long bits = 0; bits < 128; ++bits)
    EXPECT_EQ(TextToWeekdays(WeekdaysToText(TWeekdaySet(bits))), TWeekdaySet(bits));
}

}  // namespace
}  // namespace tolvex
