// Desktop entry files: the keys a launch reads and the Exec line with its
// field codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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

TEST(DesktopEntry, TheNameFollowsTheUsersLocale) {
  const std::string entry =
      "[Desktop Entry]\nName=Files\nName[de]=Dateien\nName[de_AT]=Dateien AT\n"
      "Name[de@euro]=Dateien Euro\nName[sr@latin]=Datoteke\nName[pt_BR]=Arquivos\n"
      "Comment[de]=nicht der Name\n";
  const struct {
    const char* locale;
    const char* name;
  } rows[] = {
      {"", "Files"},
      {"C", "Files"},
      {"POSIX", "Files"},
      {"en_US.UTF-8", "Files"},
      {"de", "Dateien"},
      {"de_DE.UTF-8", "Dateien"},
      {"de_AT.UTF-8", "Dateien AT"},
      {"de_AT@euro", "Dateien AT"},
      {"de_DE@euro", "Dateien Euro"},
      {"sr_RS.UTF-8@latin", "Datoteke"},
      {"pt", "Files"},
      {"pt_BR", "Arquivos"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ParseDesktopEntry(entry, row.locale).name, row.name) << row.locale;
  // The order of the lines does not matter.
  EXPECT_EQ(ParseDesktopEntry("[Desktop Entry]\nName[de]=Dateien\nName=Files\n", "de_DE").name,
            "Dateien");
}

TEST(DesktopEntry, OnlyDesktopEntryFilesHaveADisplayName) {
  QTemporaryDir dir;
  const auto write = [&](const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName().toStdString();
  };
  qputenv("LC_ALL", "de_DE.UTF-8");
  EXPECT_EQ(DesktopEntryName(write("a.desktop", "[Desktop Entry]\nName=Files\nName[de]=Dateien\n")),
            "Dateien");
  EXPECT_EQ(DesktopEntryName(write("b.txt", "[Desktop Entry]\nName=Files\n")), "");
  EXPECT_EQ(DesktopEntryName(write("c.desktop", "[Desktop Entry]\nExec=x\n")), "");
  EXPECT_EQ(DesktopEntryName(dir.filePath("missing.desktop").toStdString()), "");
  EXPECT_EQ(DesktopEntryName(".desktop"), "");
  qunsetenv("LC_ALL");
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
