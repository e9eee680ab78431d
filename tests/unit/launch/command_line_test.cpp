// Splitting a launcher's parameters into arguments.
#include <gtest/gtest.h>

#include "platform/linux/command_line.h"

namespace tolvex::platform {
namespace {

TEST(SplitCommandLine, FollowsTheCommandLineRules) {
  using Args = std::vector<std::string>;
  const struct {
    const char* line;
    Args args;
  } rows[] = {
      {"", {}},
      {"  \t ", {}},
      {"a b\tc", {"a", "b", "c"}},
      {"  a   b  ", {"a", "b"}},
      {R"("a b" c)", {"a b", "c"}},
      {R"(a"b c"d)", {"ab cd"}},
      {R"("")", {""}},
      {R"(a "" b)", {"a", "", "b"}},
      {R"("unterminated quote)", {"unterminated quote"}},
      {R"("say ""hi""")", {"say \"hi\""}},
      {R"(C:\Program Files\x)", {"C:\\Program", "Files\\x"}},
      {R"("C:\Program Files\x\\")", {"C:\\Program Files\\x\\"}},
      {R"(a\"b)", {"a\"b"}},
      {R"(a\\"b c")", {"a\\b c"}},
      {R"(a\\\"b)", {"a\\\"b"}},
      {R"(a\\\\)", {R"(a\\\\)"}},
      {"; rm -rf ~ $(id) `id` | > &", {";", "rm", "-rf", "~", "$(id)", "`id`", "|", ">", "&"}},
      {"ünïcödé \"€ x\"", {"ünïcödé", "€ x"}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SplitCommandLine(row.line), row.args) << row.line;
  }
}

}  // namespace
}  // namespace tolvex::platform
