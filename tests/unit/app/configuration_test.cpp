// PrepareConfiguration: the legacy take-over, the per-user switch and the
// seeding of the per-user folder, which never overwrites.
#include "app/configuration.h"

#include <gtest/gtest.h>

#include "app/folders.h"
#include "test_folders.h"

namespace tolvex {
namespace {

TEST(PrepareConfiguration, FirstStartWithNoFilesCreatesOnlyThePerUserFolder) {
  TestFolders folders;
  const TConfigFiles files = PrepareConfiguration();
  EXPECT_EQ(files.ConfigFile->FileName(), folders.PerUser() + "tolvexbar.ini");
  EXPECT_EQ(files.LayoutFile->FileName(), folders.PerUser() + "tolvexbar.dat");
  EXPECT_TRUE(QDir(folders.PerUser()).isEmpty());
  EXPECT_EQ(QDir(folders.Program()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
  EXPECT_EQ(NotesFolder(files.ConfigFile->FileName()), folders.PerUser() + "data/notes/");
}

TEST(PrepareConfiguration, LegacyLayoutTakenOverWhenNoLayoutBesideProgram) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "desktop/_default.txl", "[tolvexBar]\nCount=0\n");
  PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(folders.Program() + "tolvexbar.dat"), "[tolvexBar]\nCount=0\n");
  EXPECT_FALSE(QFileInfo::exists(folders.Program() + "desktop"));
  // Seeded into the per-user folder in the same start.
  EXPECT_EQ(TestFolders::Read(folders.PerUser() + "tolvexbar.dat"), "[tolvexBar]\nCount=0\n");
}

TEST(PrepareConfiguration, ReadOnlyLegacyLayoutTakenOverAndFolderKeptWhenNotEmpty) {
  TestFolders folders;
  const QString legacy = folders.Program() + "desktop/_default.txl";
  TestFolders::Write(legacy, "legacy");
  TestFolders::Write(folders.Program() + "desktop/other.txt", "other");
  QFile::setPermissions(legacy, QFileDevice::ReadOwner);
  PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(folders.Program() + "tolvexbar.dat"), "legacy");
  EXPECT_FALSE(QFileInfo::exists(legacy));
  EXPECT_TRUE(QFileInfo::exists(folders.Program() + "desktop/other.txt"));
}

TEST(PrepareConfiguration, ExistingLayoutLeavesLegacyFileAlone) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "desktop/_default.txl", "legacy");
  TestFolders::Write(folders.Program() + "tolvexbar.dat", "current");
  PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(folders.Program() + "tolvexbar.dat"), "current");
  EXPECT_EQ(TestFolders::Read(folders.Program() + "desktop/_default.txl"), "legacy");
}

TEST(PrepareConfiguration, LegacyFileKeptWhenItsCopyFails) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "desktop/_default.txl", "legacy");
  // A dangling link to a missing folder: no layout file, and no copy possible.
  QFile::link(folders.Program() + "missing/tolvexbar.dat", folders.Program() + "tolvexbar.dat");
  PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(folders.Program() + "desktop/_default.txl"), "legacy");
}

TEST(PrepareConfiguration, PerUserCopiesNeverOverwrite) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "tolvexbar.ini", "[System]\nTaskbar=0\n");
  TestFolders::Write(folders.Program() + "tolvexbar.dat", "program layout");
  TestFolders::Write(folders.PerUser() + "tolvexbar.ini", "[System]\nTaskbar=1\n");
  const TConfigFiles files = PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(folders.PerUser() + "tolvexbar.ini"), "[System]\nTaskbar=1\n");
  EXPECT_EQ(TestFolders::Read(folders.PerUser() + "tolvexbar.dat"), "program layout");
  EXPECT_TRUE(files.ConfigFile->ReadBool("System", "Taskbar", false));
}

TEST(PrepareConfiguration, UserspecificZeroKeepsEverythingBesideTheProgram) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "tolvexbar.ini", "[System]\nUserspecific=0\n");
  TestFolders::Write(folders.Program() + "tolvexbar.dat", "layout");
  TestFolders::Write(folders.Program() + "data/notes/a.tdn", "note");
  const TConfigFiles files = PrepareConfiguration();
  EXPECT_EQ(files.ConfigFile->FileName(), folders.Program() + "tolvexbar.ini");
  EXPECT_EQ(files.LayoutFile->FileName(), folders.Program() + "tolvexbar.dat");
  EXPECT_EQ(NotesFolder(files.ConfigFile->FileName()), folders.Program() + "data/notes/");
  EXPECT_FALSE(QFileInfo::exists(folders.PerUser()));
}

TEST(PrepareConfiguration, UserspecificInPerUserCopyHasNoEffect) {
  TestFolders folders;
  TestFolders::Write(folders.PerUser() + "tolvexbar.ini", "[System]\nUserspecific=0\n");
  const TConfigFiles files = PrepareConfiguration();
  EXPECT_EQ(files.ConfigFile->FileName(), folders.PerUser() + "tolvexbar.ini");
}

TEST(PrepareConfiguration, NoApplicationDataFolderKeepsFilesBesideTheProgram) {
  TestFolders folders(false);
  TestFolders::Write(folders.Program() + "tolvexbar.ini", "[System]\nTaskbar=0\n");
  const TConfigFiles files = PrepareConfiguration();
  EXPECT_EQ(files.ConfigFile->FileName(), folders.Program() + "tolvexbar.ini");
  EXPECT_EQ(files.LayoutFile->FileName(), folders.Program() + "tolvexbar.dat");
  EXPECT_FALSE(QFileInfo::exists(folders.AppData()));
}

TEST(PrepareConfiguration, NotesCopiedOnlyWhenTargetHasNone) {
  TestFolders folders;
  TestFolders::Write(folders.Program() + "data/notes/a.tdn", "a");
  TestFolders::Write(folders.Program() + "data/notes/B.TDN", "b");
  TestFolders::Write(folders.Program() + "data/notes/readme.txt", "not a note");
  TestFolders::Write(folders.Program() + "data/notes/folder.tdn/inside.tdn", "not a note");
  PrepareConfiguration();
  EXPECT_EQ(QDir(folders.PerUser() + "data/notes")
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
            (QStringList{"B.TDN", "a.tdn"}));

  TestFolders second;
  TestFolders::Write(second.Program() + "data/notes/a.tdn", "program a");
  TestFolders::Write(second.Program() + "data/notes/c.tdn", "program c");
  TestFolders::Write(second.PerUser() + "data/notes/a.tdn", "user a");
  PrepareConfiguration();
  EXPECT_EQ(TestFolders::Read(second.PerUser() + "data/notes/a.tdn"), "user a");
  EXPECT_FALSE(QFileInfo::exists(second.PerUser() + "data/notes/c.tdn"));
}

}  // namespace
}  // namespace tolvex
