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
// comments, localised keys and malformed lines are passed over; the first
// of duplicate keys counts.
DesktopEntry ParseDesktopEntry(std::string_view contents);

// The program and its arguments from `entry`'s Exec line: %f and %u become
// the first of `files` (the argument vanishes without one), %F and %U all of
// them, %i "--icon" and the icon, %c the name, %k `entryFile`, %% a percent
// sign; other codes vanish. When the line has no file code, `files` are
// appended. nullopt when the line is empty or its quoting is broken.
std::optional<std::vector<std::string>> ExecArguments(const DesktopEntry& entry,
                                                      const std::vector<std::string>& files,
                                                      const std::string& entryFile);

}  // namespace tolvex::platform
