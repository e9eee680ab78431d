// The regional settings service: the separators, the short date format and
// the day and month names that dates are shown and read with.
#pragma once

#include <array>
#include <memory>
#include <string>

namespace tolvex::platform {

// One set of regional settings; texts are UTF-8.
struct RegionalFormat {
  std::string dateSeparator;
  std::string timeSeparator;
  // In the letters of the shared date/time formatting ("dd.mm.yyyy").
  std::string shortDateFormat;
  // Index 0 is Sunday, 6 Saturday (weekday number minus 1).
  std::array<std::string, 7> shortDayNames;
  std::array<std::string, 7> longDayNames;
  // Index 0 is January.
  std::array<std::string, 12> shortMonthNames;
  std::array<std::string, 12> longMonthNames;

  bool operator==(const RegionalFormat&) const = default;
};

class IRegionalSettings {
 public:
  virtual ~IRegionalSettings() = default;
  virtual const RegionalFormat& Format() = 0;
};

// The back end chosen at start.
IRegionalSettings& RegionalSettings();
// Replaces it (tests); nullptr returns to the default choice.
void SetRegionalSettings(std::unique_ptr<IRegionalSettings> settings);

// The German settings, the language of the user interface: "." and ":",
// "dd.mm.yyyy", "Mo"/"Montag", "Dez"/"Dezember".
RegionalFormat GermanRegionalFormat();

}  // namespace tolvex::platform
