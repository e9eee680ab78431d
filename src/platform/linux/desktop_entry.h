// Desktop entry files (".desktop"), as far as a launcher needs them: the
// keys of the group "Desktop Entry" that say what to start, and the Exec
// line turned into a program and its arguments with the field codes
// replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::platform {

struct DesktopEntry {
  std::string type;  // "Application", "Link", … (empty when missing)
  std::string exec;  // with the general escapes (\s \n \t \r \\) resolved
  std::string path;  // working folder
  std::string url;   // of a "Link"
  std::string icon;
  std::string name;
  bool terminal = false;
};

// Reads the group "Desktop Entry" of `contents` (UTF-8). Unknown groups,
// comments and malformed lines are passed over; the first of duplicate keys
// counts. The name is the one localised for `locale` (a POSIX locale such as
// "de_DE.UTF-8@euro": lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER,
// lang, then the plain key); other localised keys are passed over.
DesktopEntry ParseDesktopEntry(std::string_view contents, std::string_view locale = {});

// The desktop entry in the file `path` for `locale`; nullopt when it cannot
// be read. Only the first 64 KiB count.
std::optional<DesktopEntry> ReadDesktopEntry(const std::string& path,
                                             std::string_view locale = {});

// Whether `file` is named as a desktop entry ("*.desktop").
bool IsDesktopEntryFile(std::string_view file);

// The name in the user's language of the desktop entry `file` (a file
// named "*.desktop"); empty for any other file or one without a name.
std::string DesktopEntryName(const std::string& file);

// The locale of the user's messages: LC_ALL, LC_MESSAGES or LANG, the first
// one set.
std::string MessagesLocale();

// The program and its arguments from `entry`'s Exec line: %f and %u become
// the first of `files` (the argument vanishes without one), %F and %U all of
// them, %i "--icon" and the icon, %c the name, %k `entryFile`, %% a percent
// sign; other codes vanish. When the line has no file code, `files` are
// appended. nullopt when the line is empty or its quoting is broken.
std::optional<std::vector<std::string>> ExecArguments(const DesktopEntry& entry,
                                                      const std::vector<std::string>& files,
                                                      const std::string& entryFile);

}  // namespace tolvex::platform
