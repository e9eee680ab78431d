// Reading the command line: what starts the bar, what answers at once and
// what is refused.
#include <gtest/gtest.h>

#include "app/command_line_options.h"

namespace tolvex {
namespace {

struct CommandLineCase {
  std::vector<std::string> arguments;
  TStartAction action;
  std::string bad;
};

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, GivesTheAction) {
  const CommandLineCase& row = GetParam();
  const TCommandLineOptions options = ParseCommandLine(row.arguments);
  EXPECT_EQ(options.Action, row.action);
  EXPECT_EQ(options.BadArgument, row.bad);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLine,
    testing::Values(CommandLineCase{{}, TStartAction::saRun, ""},
                    CommandLineCase{{"--help"}, TStartAction::saHelp, ""},
                    CommandLineCase{{"-h"}, TStartAction::saHelp, ""},
                    CommandLineCase{{"--version"}, TStartAction::saVersion, ""},
                    CommandLineCase{{"-v"}, TStartAction::saVersion, ""},
                    // The first of help and version wins, also after a bad option's place.
                    CommandLineCase{{"--version", "--bogus"}, TStartAction::saVersion, ""},
                    CommandLineCase{{"--bogus"}, TStartAction::saUsageError, "--bogus"},
                    CommandLineCase{{"datei.txt"}, TStartAction::saUsageError, "datei.txt"},
                    CommandLineCase{{"-"}, TStartAction::saUsageError, "-"},
                    // The GUI library's own options pass, with their values.
                    CommandLineCase{
                        {"-platform", "offscreen", "--reverse"}, TStartAction::saRun, ""},
                    // A value option without its value is not the GUI's.
                    CommandLineCase{{"-display"}, TStartAction::saUsageError, "-display"}));

TEST(CommandLineValues, KeepsTheDisplayAndThePlatformTheGuiIsTold) {
  const TCommandLineOptions options =
      ParseCommandLine({"-display", ":7", "--platform", "xcb", "-style", "Fusion"});
  EXPECT_EQ(options.Action, TStartAction::saRun);
  EXPECT_EQ(options.DisplayArgument, ":7");
  EXPECT_EQ(options.PlatformArgument, "xcb");
}

}  // namespace
}  // namespace tolvex
