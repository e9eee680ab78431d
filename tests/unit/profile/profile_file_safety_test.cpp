// The engine under bad conditions: files that are no regular files, links
// that name a missing file, temporary files of interrupted writes, writes
// that change nothing, and read scopes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <string>

#include "platform/profile/profile_engine.h"
#include "profile_test_files.h"

namespace tolvex::platform::profile {
namespace {

struct stat StatOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}

// Sets the modification time `secondsAgo` into the past.
void Age(const std::string& path, int secondsAgo) {
  const struct timespec times[2] = {{::time(nullptr) - secondsAgo, 0},
                                    {::time(nullptr) - secondsAgo, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(ProfileFileSafety, FilesThatAreNoRegularFilesReadAsEmptyAndRefuseWrites) {
  TestFiles files;
  const std::string pipe = files.Path("pipe.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = files.Path("folder.ini");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  const std::string device = "/dev/zero";
  ProfileEngine engine;
  // A pipe without a writer would block an open for reading for ever.
  for (const std::string& path : {pipe, folder, device}) {
    EXPECT_EQ(engine.ReadString(path, "S", "k", "d"), "d") << path;
    EXPECT_TRUE(engine.ReadSectionNames(path).empty()) << path;
    EXPECT_FALSE(engine.WriteString(path, "S", "k", "v")) << path;
  }
  EXPECT_TRUE(S_ISFIFO(StatOf(pipe).st_mode));
  EXPECT_TRUE(S_ISDIR(StatOf(folder).st_mode));
}

TEST(ProfileFileSafety, DanglingLinkKeepsTheLinkAndCreatesTheFileItNames) {
  TestFiles files;
  const std::string link = files.Path("link.ini");
  ASSERT_EQ(::symlink("target.ini", link.c_str()), 0);
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(link, "S", "k", "d"), "d");
  ASSERT_TRUE(engine.WriteString(link, "S", "k", "v"));
  EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
  EXPECT_EQ(files.Read("target.ini"), "[S]\nk=v\n");
  EXPECT_EQ(engine.ReadString(link, "S", "k", "d"), "v");
}

TEST(ProfileFileSafety, LinkThatCannotLeadToAFileRefusesTheWrite) {
  TestFiles files;
  const std::string intoMissingFolder = files.Path("missing.ini");
  ASSERT_EQ(::symlink("no/such/folder/target.ini", intoMissingFolder.c_str()), 0);
  const std::string loop = files.Path("loop.ini");
  ASSERT_EQ(::symlink("loop.ini", loop.c_str()), 0);
  ProfileEngine engine;
  for (const std::string& link : {intoMissingFolder, loop}) {
    EXPECT_EQ(engine.ReadString(link, "S", "k", "d"), "d") << link;
    EXPECT_FALSE(engine.WriteString(link, "S", "k", "v")) << link;
    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode)) << link;
  }
}

TEST(ProfileFileSafety, StaleTemporariesOfTheFileGoOthersStay) {
  TestFiles files;
  const std::string path = files.Write("bar.ini", "[S]\nk=v\n");
  struct Leftover {
    std::string name;
    int secondsAgo;
    bool removed;
  };
  const Leftover leftovers[] = {
      {"bar.ini.tmp-4711-0-123456789", 3600, true},
      {"bar.ini.tmp-4711-1-987654321", 0, false},  // a write going on now
      {"bar.ini.tmp-notes", 3600, false},
      {"bar.ini.tmp-1-2-3x", 3600, false},
      {"other.ini.tmp-4711-0-123456789", 3600, false},
      {"bar.ini", 3600, false},
  };
  for (const Leftover& leftover : leftovers) {
    if (leftover.name != "bar.ini") files.Write(leftover.name, "x");
    if (leftover.secondsAgo > 0) Age(files.Path(leftover.name), leftover.secondsAgo);
  }
  const std::string folder = files.Path("bar.ini.tmp-1-2-3");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  Age(folder, 3600);
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(path, "S", "k", "d"), "v");
  for (const Leftover& leftover : leftovers) {
    EXPECT_EQ(files.Read(leftover.name) == "<missing>", leftover.removed) << leftover.name;
  }
  EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isDir());
}

TEST(ProfileFileSafety, WriteThatChangesNothingLeavesTheFileAlone) {
  TestFiles files;
  const std::string original = "[S]\r\nLeft = -1\r\nName=Z\xFCrich\r\n";
  const std::string path = files.Write("same.ini", original);
  Age(path, 3600);
  const struct stat before = StatOf(path);
  ProfileEngine engine;
  EXPECT_TRUE(engine.WriteString(path, "S", "Left", "-1"));
  EXPECT_TRUE(engine.WriteString(path, "s", "NAME", "Zürich"));
  EXPECT_TRUE(engine.WriteString(path, "S", "missing", std::nullopt));
  EXPECT_TRUE(engine.WriteString(path, "T", std::nullopt, std::nullopt));
  engine.BeginBatch(path, BatchStart::Keep);
  EXPECT_TRUE(engine.WriteString(path, "S", "Left", "-1"));
  EXPECT_TRUE(engine.EndBatch(path, true));
  EXPECT_EQ(StatOf(path).st_ino, before.st_ino);
  EXPECT_EQ(StatOf(path).st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(files.Read("same.ini"), original);
  // A whole new file with the same bytes is no change either.
  engine.BeginBatch(path, BatchStart::Empty);
  EXPECT_TRUE(engine.WriteString(path, "S", "Left", "-1"));
  EXPECT_TRUE(engine.WriteString(path, "S", "Name", "x"));
  EXPECT_TRUE(engine.EndBatch(path, true));
  const struct stat written = StatOf(path);
  engine.BeginBatch(path, BatchStart::Empty);
  EXPECT_TRUE(engine.WriteString(path, "S", "Left", "-1"));
  EXPECT_TRUE(engine.WriteString(path, "S", "Name", "x"));
  EXPECT_TRUE(engine.EndBatch(path, true));
  const struct stat after = StatOf(path);
  EXPECT_NE(written.st_ino, before.st_ino);
  EXPECT_EQ(after.st_ino, written.st_ino);
  EXPECT_EQ(after.st_mtim.tv_sec, written.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, written.st_mtim.tv_nsec);
}

TEST(ProfileFileSafety, ReadScopeReadsTheFileOnceAndStillWrites) {
  TestFiles files;
  const std::string path = files.Write("scope.ini", "[S]\nk=1\n");
  ProfileEngine engine;
  engine.BeginReading(path);
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "1");
  // Another program's change is not looked for inside the scope.
  files.Write("scope.ini", "[S]\nk=2\nj=3\n");
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "1");
  engine.BeginReading(path);
  engine.EndReading(path);
  EXPECT_EQ(engine.ReadString(path, "S", "j", "none"), "none");
  engine.EndReading(path);
  EXPECT_EQ(engine.ReadString(path, "S", "j", "none"), "3");
  engine.BeginReading(path);
  ASSERT_TRUE(engine.WriteString(path, "S", "k", "4"));
  EXPECT_EQ(files.Read("scope.ini"), "[S]\nk=4\nj=3\n");
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "4");
  engine.EndReading(path);
  // An end without a begin is harmless.
  engine.EndReading(path);
}

}  // namespace
}  // namespace tolvex::platform::profile
