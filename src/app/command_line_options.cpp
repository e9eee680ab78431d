// The command line of the bar.
#include "app/command_line_options.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "platform/display_probe.h"
#include "shared/tolvexbar_info.h"

namespace tolvex {

namespace {

// The GUI library's options that take a value, and those that do not.
constexpr std::array<std::string_view, 13> kGuiValueOptions = {
    "platform",        "display",      "style",       "stylesheet",         "session",
    "qwindowgeometry", "qwindowtitle", "qwindowicon", "platformpluginpath", "platformtheme",
    "plugin",          "geometry",     "title"};
constexpr std::array<std::string_view, 5> kGuiFlags = {"reverse", "sync", "widgetcount", "nograb",
                                                       "dograb"};

// The option's name without its one or two leading dashes; empty for a
// plain argument.
std::string_view OptionName(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return {};
  argument.remove_prefix(argument[1] == '-' ? 2 : 1);
  return argument;
}

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::string_view known : names)
    if (known == name) return true;
  return false;
}

}  // namespace

TCommandLineOptions ParseCommandLine(const std::vector<std::string>& arguments) {
  TCommandLineOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.Action = TStartAction::saHelp;
      return options;
    }
    if (argument == "--version" || argument == "-v") {
      options.Action = TStartAction::saVersion;
      return options;
    }
    const std::string_view name = OptionName(argument);
    if (Contains(kGuiFlags, name)) continue;
    if (Contains(kGuiValueOptions, name) && i + 1 < arguments.size()) {
      const std::string& value = arguments[++i];
      if (name == "display") options.DisplayArgument = value;
      if (name == "platform") options.PlatformArgument = value;
      continue;
    }
    options.Action = TStartAction::saUsageError;
    options.BadArgument = argument;
    return options;
  }
  return options;
}

std::string UsageText() {
  return "Aufruf: tolvexbar [OPTION]\n"
         "Startet die Leiste tolvexBar am Bildschirmrand. Läuft sie schon, wird die\n"
         "laufende Leiste in den Vordergrund geholt.\n"
         "\n"
         "  -h, --help     diese Hilfe zeigen und beenden\n"
         "  -v, --version  die Version zeigen und beenden\n"
         "\n"
         "Optionen der Oberfläche wie -display ANZEIGE und -platform NAME werden\n"
         "weitergegeben.\n";
}

std::string VersionText() {
  return "tolvexBar " + std::to_string(kTolvexBarVersionMajor) + "." +
         std::to_string(kTolvexBarVersionMinor) + "." + std::to_string(kTolvexBarVersionBuild) +
         "\n";
}

std::optional<int> HandleCommandLine(int argc, char** argv) {
  const TCommandLineOptions options =
      ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  switch (options.Action) {
    case TStartAction::saHelp:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case TStartAction::saVersion:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case TStartAction::saUsageError:
      std::fprintf(stderr, "tolvexbar: unbekannte Option \"%s\"\n\n%s", options.BadArgument.c_str(),
                   UsageText().c_str());
      return 2;
    case TStartAction::saRun:
      break;
  }
  const std::string problem =
      platform::DisplayProblem(options.DisplayArgument, options.PlatformArgument);
  if (problem.empty()) return std::nullopt;
  std::fprintf(stderr, "tolvexBar: %s\n", problem.c_str());
  return 1;
}

}  // namespace tolvex
