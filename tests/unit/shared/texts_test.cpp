// Integers with a default and texts fitted to a length.
#include <gtest/gtest.h>

#include "shared/texts.h"

namespace tolvex {
namespace {

TEST(Texts, IntOfText) {
  const struct {
    const char* text;
    int expected;  // -7 is the default
  } cases[] = {
      {"  42  ", 42},
      {"42", 42},
      {"00042", 42},
      {"-17", -17},
      {"+5", 5},
      {"4 2", -7},
      {"", -7},
      {"   ", -7},
      {"\t5", -7},
      {"12a", -7},
      {"1e3", -7},
      {"-", -7},
      {"--5", -7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", -7},
      {"-2147483649", -7},
      {"99999999999999999999", -7},
      {"$1F", 31},
      {"x1f", 31},
      {"X1F", 31},
      {"0x1F", 31},
      {"0X1f", 31},
      {" $10 ", 16},
      {"-$10", -16},
      {"+0x10", 16},
      {"$7FFFFFFF", 2147483647},
      {"$FFFFFFFF", -1},
      {"0x80000000", -2147483647 - 1},
      {"$100000000", -7},
      {"$", -7},
      {"0x", -7},
      {"x", -7},
      {"$G", -7},
      {"0x-5", -7},
      {"$$5", -7},
      {"0", 0},
      {"-0", 0},
      {"\xd9\xa3", -7},      // an Arabic-Indic digit
      {"\xef\xbc\x95", -7},  // a full-width digit
  };
  for (const auto& c : cases)
    EXPECT_EQ(IntOfText(QString::fromUtf8(c.text), -7), c.expected) << c.text;
}

TEST(Texts, FitToLength) {
  const struct {
    const char* text;
    int length;
    const char* expected;
  } cases[] = {
      {"5", 3, "500"}, {"12345", 3, "123"}, {"abc", 3, "abc"}, {"", 2, "00"},
      {"abc", 0, ""},  {"abc", -1, ""},     {"ä", 2, "ä0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitToLength(QString::fromUtf8(c.text), c.length, u'0'), QString::fromUtf8(c.expected))
        << c.text << " " << c.length;
  }
  EXPECT_EQ(BoolToDigit(true), QStringLiteral("1"));
  EXPECT_EQ(BoolToDigit(false), QStringLiteral("0"));
}

}  // namespace
}  // namespace tolvex
