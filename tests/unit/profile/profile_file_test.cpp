// The engine's file handling: atomic replacement (also under kill -9),
// permissions and links kept, the parse cache, batches, garbage input.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <random>
#include <string>

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_engine.h"
#include "profile_test_files.h"

namespace tolvex::platform::profile {
namespace {

TEST(ProfileFile, WriteKeepsPermissionsAndLeavesNoTemporaryFile) {
  TestFiles files;
  const std::string path = files.Write("perm.ini", "[S]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ProfileEngine engine;
  ASSERT_TRUE(engine.WriteString(path, "S", "k", "v"));
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(QDir(QFileInfo(QString::fromStdString(path)).absolutePath()).entryList(QDir::Files),
            QStringList{"perm.ini"});
}

TEST(ProfileFile, WriteThroughSymbolicLinkReplacesTheLinkedFile) {
  TestFiles files;
  const std::string real = files.Write("real.ini", "[S]\n");
  const std::string link = files.Path("link.ini");
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
  ProfileEngine engine;
  ASSERT_TRUE(engine.WriteString(link, "S", "k", "v"));
  struct stat st;
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(files.Read("real.ini"), "[S]\nk=v\n");
}

TEST(ProfileFile, CacheSeesChangesMadeByOthers) {
  TestFiles files;
  const std::string path = files.Write("cache.ini", "[S]\nk=1\n");
  ProfileEngine engine;
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "1");
  // Same size, written right after: the modification time or identity differs.
  files.Write("cache.ini", "[S]\nk=2\n");
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "2");
  QFile::remove(QString::fromStdString(path));
  EXPECT_EQ(engine.ReadString(path, "S", "k", "gone"), "gone");
}

TEST(ProfileFile, BatchWritesOnceAtCommit) {
  TestFiles files;
  const std::string path = files.Write("batch.ini", "[Old]\nx=1\n");
  ProfileEngine engine;
  engine.BeginBatch(path, BatchStart::Empty);
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(engine.WriteString(path, "S", "k" + std::to_string(i), std::to_string(i)));
  }
  EXPECT_EQ(files.Read("batch.ini"), "[Old]\nx=1\n");
  EXPECT_EQ(engine.ReadString(path, "S", "k42", ""), "42");
  EXPECT_EQ(engine.ReadString(path, "Old", "x", "gone"), "gone");
  EXPECT_TRUE(engine.EndBatch(path, true));
  const std::string written = files.Read("batch.ini");
  EXPECT_EQ(written.substr(0, 14), "[S]\nk0=0\nk1=1\n");
  EXPECT_EQ(written.find("Old"), std::string::npos);
}

TEST(ProfileFile, BatchWithoutCommitDiscardsItsWrites) {
  TestFiles files;
  const std::string path = files.Write("discard.ini", "[S]\nk=1\n");
  ProfileEngine engine;
  engine.BeginBatch(path, BatchStart::Keep);
  engine.BeginBatch(path, BatchStart::Keep);
  ASSERT_TRUE(engine.WriteString(path, "S", "k", "2"));
  EXPECT_TRUE(engine.EndBatch(path, false));
  // The outer commit cannot bring back what an inner level discarded.
  EXPECT_FALSE(engine.EndBatch(path, true));
  EXPECT_EQ(files.Read("discard.ini"), "[S]\nk=1\n");
  EXPECT_EQ(engine.ReadString(path, "S", "k", ""), "1");
}

TEST(ProfileFile, FailedCommitReportsAndKeepsNothing) {
  TestFiles files;
  const std::string path = files.Path("missing/folder.ini");
  ProfileEngine engine;
  engine.BeginBatch(path, BatchStart::Empty);
  EXPECT_TRUE(engine.WriteString(path, "S", "k", "v"));
  EXPECT_FALSE(engine.EndBatch(path, true));
  EXPECT_EQ(engine.ReadString(path, "S", "k", "d"), "d");
}

TEST(ProfileFile, GarbageGivesDefaults) {
  std::mt19937 random(7);
  std::string binary(1 << 16, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  const std::string longLine(4 << 20, 'k');
  const std::string manyNuls(1 << 20, '\0');
  for (const std::string& garbage :
       {binary, longLine, "[S]\n" + longLine + "=v", manyNuls, std::string(1 << 20, '[')}) {
    ProfileDocument document = ProfileDocument::Parse(garbage);
    EXPECT_FALSE(document.Find("S", "k").has_value());
    document.Set("S", "k", "v");
    EXPECT_EQ(ProfileDocument::Parse(document.Serialize()).Find("S", "k"), "v");
  }
}

// A writer killed at any moment leaves the old or the new file, whole.
TEST(ProfileFile, KillDuringWritesNeverTearsTheFile) {
  TestFiles files;
  const std::string path = files.Path("killed.ini");
  const std::string filler(200000, 'x');
  std::mt19937 random(11);
  for (int round = 0; round < 10; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ProfileEngine engine;
      for (int i = 0;; ++i) {
        engine.BeginBatch(path, BatchStart::Empty);
        engine.WriteString(path, "S", "filler", filler);
        engine.WriteString(path, "S", "last", std::to_string(i));
        engine.EndBatch(path, true);
      }
    }
    ::usleep(2000 + random() % 20000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string written = files.Read("killed.ini");
    if (written == "<missing>") continue;
    const ProfileDocument document = ProfileDocument::Parse(written);
    EXPECT_EQ(document.Find("S", "filler"), filler);
    EXPECT_TRUE(document.Find("S", "last").has_value());
  }
}

}  // namespace
}  // namespace tolvex::platform::profile
