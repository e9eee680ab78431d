// Reading the date and time patterns of a locale ("dd.MM.yyyy", "HH:mm",
// literal text in '' quotes: the letters of Qt's and of Windows' locale
// data) for the regional settings.
#pragma once

#include <string>

namespace tolvex::platform {

// The separator a pattern puts between its fields, `fallback` when it has
// none.
std::string SeparatorOf(const std::string& pattern, const char* fallback);
// A short date pattern in the letters of the shared date/time formatting.
std::string ShortDateFormatOf(const std::string& pattern);
// A short day or month name without its trailing period ("Mo", "Dez").
std::string Abbreviation(const std::string& name);

}  // namespace tolvex::platform
