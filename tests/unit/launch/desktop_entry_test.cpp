// Desktop entry files: the keys a launch reads and the Exec line with its
// field codes.
#include <gtest/gtest.h>

#include "platform/linux/desktop_entry.h"

namespace tolvex::platform {
namespace {

using Args = std::vector<std::string>;

TEST(DesktopEntry, ReadsTheKeysOfItsOwnGroup) {
  const DesktopEntry entry = ParseDesktopEntry(
      "\xef\xbb\xbf# comment\r\n[Other]\r\nExec=wrong\r\n[Desktop Entry]\r\n"
      "Name[de]=Editor\r\n Name = Text Editor \r\nName=Second\r\nExec=edit\\s%f\r\n"
      "no equals sign\r\nType=Application\r\nTerminal=true\r\nPath=/tmp/a\\\\b\r\n"
      "Icon=accessories\r\n[Desktop Action new]\r\nExec=other\r\n");
  EXPECT_EQ(entry.name, "Text Editor");
  EXPECT_EQ(entry.exec, "edit %f");
  EXPECT_EQ(entry.type, "Application");
  EXPECT_TRUE(entry.terminal);
  EXPECT_EQ(entry.path, "/tmp/a\\b");
  EXPECT_EQ(entry.icon, "accessories");
}

TEST(DesktopEntry, GarbageGivesAnEmptyEntry) {
  const std::string garbage("\0\x01[Desktop Entry\n=\n[\n\xff\xfe", 18);
  const DesktopEntry entry = ParseDesktopEntry(garbage);
  EXPECT_TRUE(entry.exec.empty());
  EXPECT_FALSE(ExecArguments(entry, {}, "x.desktop"));
}

TEST(DesktopEntry, ExecFieldCodes) {
  DesktopEntry entry;
  entry.name = "Viewer";
  entry.icon = "viewer-icon";
  const Args two{"/a b.png", "/c.png"};
  const struct {
    const char* exec;
    Args files;
    std::optional<Args> args;
  } rows[] = {
      {"viewer %f", two, Args{"viewer", "/a b.png"}},
      {"viewer %u", {}, Args{"viewer"}},
      {"viewer %F --end", two, Args{"viewer", "/a b.png", "/c.png", "--end"}},
      {"viewer %U", {}, Args{"viewer"}},
      {"viewer --file=%f", two, Args{"viewer", "--file=/a b.png"}},
      {"viewer", two, Args{"viewer", "/a b.png", "/c.png"}},
      {"viewer %i %c %k", {}, Args{"viewer", "--icon", "viewer-icon", "Viewer", "/e.desktop"}},
      {"viewer 100%% %d %D %n %N %v %m", {}, Args{"viewer", "100%"}},
      {"\"/opt/my viewer/run\" \"a \\\"q\\\" \\$HOME \\\\ b\"",
       {},
       Args{"/opt/my viewer/run", "a \"q\" $HOME \\ b"}},
      {"viewer \"open", {}, std::nullopt},
      {"", {}, std::nullopt},
      {"%f", {}, std::nullopt},
  };
  for (const auto& row : rows) {
    entry.exec = row.exec;
    EXPECT_EQ(ExecArguments(entry, row.files, "/e.desktop"), row.args) << row.exec;
  }
}

}  // namespace
}  // namespace tolvex::platform
