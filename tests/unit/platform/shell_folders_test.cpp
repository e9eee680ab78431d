// The Linux application-data folder: which variable names it, and that a
// missing one is created for the user alone.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/linux/linux_shell.h"

namespace tolvex::platform {
namespace {

struct FolderCase {
  const char* configHome;  // nullptr: unset
  const char* expected;    // below the temporary folder
};

class AppDataFolder : public testing::TestWithParam<FolderCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    savedHome_ = qgetenv("HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    QDir().mkpath(root_.path() + "/home");
    qputenv("HOME", QFile::encodeName(root_.path() + "/home"));
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    if (hadConfig_)
      qputenv("XDG_CONFIG_HOME", savedConfig_);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }
  QTemporaryDir root_;
  QByteArray savedHome_, savedConfig_;
  bool hadConfig_ = false;
};

TEST_P(AppDataFolder, IsCreatedPrivateWhenMissing) {
  const FolderCase& row = GetParam();
  if (row.configHome == nullptr)
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME",
            QByteArray(row.configHome).replace("ROOT", QFile::encodeName(root_.path())));
  const QString expected = root_.path() + row.expected;
  ASSERT_FALSE(QFileInfo::exists(expected));

  EXPECT_EQ(QString::fromStdString(LinuxShell().AppDataFolder()), expected);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(expected).constData(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

INSTANTIATE_TEST_SUITE_P(Rows, AppDataFolder,
                         testing::Values(FolderCase{nullptr, "/home/.config"},
                                         FolderCase{"", "/home/.config"},
                                         // Relative paths are not valid there.
                                         FolderCase{"relative/config", "/home/.config"},
                                         FolderCase{"ROOT/xdg/config", "/xdg/config"}));

TEST_F(AppDataFolder, AnExistingFolderKeepsItsPermissions) {
  const QString folder = root_.path() + "/home/.config";
  QDir().mkpath(folder);
  ::chmod(QFile::encodeName(folder).constData(), 0755);
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(QString::fromStdString(LinuxShell().AppDataFolder()), folder);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
}

}  // namespace
}  // namespace tolvex::platform
