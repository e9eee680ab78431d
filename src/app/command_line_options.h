// The bar's command line, read before the GUI starts: "--help" and
// "--version" answer without a display and without a running bar hearing of
// it; anything the bar does not know ends the start with the usage.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvex {

enum class TStartAction { saRun, saHelp, saVersion, saUsageError };

struct TCommandLineOptions {
  TStartAction Action = TStartAction::saRun;
  std::string BadArgument;       // the argument that was not understood
  std::string DisplayArgument;   // the value of the GUI's "-display" option
  std::string PlatformArgument;  // the value of the GUI's "-platform" option
};

// Reads `arguments` (without the program name). The GUI library's own
// options ("-platform xcb", "-display :1", "-style …" and its flags) pass.
TCommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();
std::string VersionText();

// Answers what the command line asks before the GUI starts: the exit code
// when the program ends here (help, version, a bad option, no display),
// nothing when the bar is to run.
std::optional<int> HandleCommandLine(int argc, char** argv);

}  // namespace tolvex
