// Regional settings: the simulated back end and the settings the Linux back
// end derives from a locale name and the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/linux/linux_regional_settings.h"
#include "platform/regional_settings.h"

namespace tolvex::platform {
namespace {

TEST(RegionalSettings, SimulatedSettingsAreGermanByDefault) {
  SetRegionalSettings(nullptr);
  const RegionalFormat& format = RegionalSettings().Format();
  EXPECT_EQ(format, GermanRegionalFormat());
  EXPECT_EQ(format.shortDayNames[1], "Mo");
  EXPECT_EQ(format.shortMonthNames[11], "Dez");
  EXPECT_EQ(format.longDayNames[0], "Sonntag");
}

TEST(RegionalSettings, CAndUnknownLocalesGiveGermanSettings) {
  for (const char* name :
       {"", "C", "POSIX", "C.UTF-8", "xx_YY.UTF-8", "de_DE.UTF-8", "de_DE@euro", "de"}) {
    EXPECT_EQ(RegionalFormatOfLocale(name), GermanRegionalFormat()) << name;
  }
}

TEST(RegionalSettings, NamesAndFormatsOfOtherLocales) {
  const struct {
    const char* locale;
    const char* dateSeparator;
    const char* timeSeparator;
    const char* shortDateFormat;
    const char* monday;      // abbreviated
    const char* december;    // abbreviated
    const char* longMonday;  // full
  } cases[] = {
      {"en_US.UTF-8", "/", ":", "m/d/yyyy", "Mon", "Dec", "Monday"},
      {"fr_FR.UTF-8", "/", ":", "dd/mm/yyyy", "lun", "déc", "lundi"},
      {"fi_FI.UTF-8", ".", ".", "d.m.yyyy", "ma", "joulu", "maanantai"},
      {"de_AT.UTF-8", ".", ":", "dd.mm.yyyy", "Mo", "Dez", "Montag"},
      {"ja_JP.UTF-8", "/", ":", "yyyy/mm/dd", "月", "12月", "月曜日"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const RegionalFormat format = RegionalFormatOfLocale(c.locale);
    EXPECT_EQ(format.dateSeparator, c.dateSeparator);
    EXPECT_EQ(format.timeSeparator, c.timeSeparator);
    EXPECT_EQ(format.shortDateFormat, c.shortDateFormat);
    EXPECT_EQ(format.shortDayNames[1], c.monday);
    EXPECT_EQ(format.shortMonthNames[11], c.december);
    EXPECT_EQ(format.longDayNames[1], c.longMonday);
  }
  EXPECT_EQ(RegionalFormatOfLocale("de_AT").shortMonthNames[0], "Jän");
}

// Sets the locale variables for one test and restores them afterwards.
class LocaleEnvironment : public ::testing::Test {
 protected:
  ~LocaleEnvironment() override {
    for (size_t i = 0; i < std::size(kNames); ++i) Put(kNames[i], saved_[i]);
  }
  static void Put(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

  static constexpr const char* kNames[] = {"LC_ALL", "LC_TIME", "LANG"};
  std::optional<std::string> saved_[3] = {Get("LC_ALL"), Get("LC_TIME"), Get("LANG")};

 private:
  static std::optional<std::string> Get(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
};

TEST_F(LocaleEnvironment, LinuxSettingsFollowLcAllThenLcTimeThenLang) {
  const struct {
    std::optional<std::string> all, time, lang;
    const char* monday;
  } cases[] = {
      {std::nullopt, "en_US.UTF-8", "fr_FR.UTF-8", "Mon"},
      {"fr_FR.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "lun"},
      {"", "", "en_US.UTF-8", "Mon"},
      {std::nullopt, std::nullopt, std::nullopt, "Mo"},
      {"C", "en_US.UTF-8", std::nullopt, "Mo"},
  };
  for (const auto& c : cases) {
    Put("LC_ALL", c.all);
    Put("LC_TIME", c.time);
    Put("LANG", c.lang);
    EXPECT_EQ(LinuxRegionalSettings().Format().shortDayNames[1], c.monday)
        << c.all.value_or("-") << " " << c.time.value_or("-") << " " << c.lang.value_or("-");
  }
}

}  // namespace
}  // namespace tolvex::platform
