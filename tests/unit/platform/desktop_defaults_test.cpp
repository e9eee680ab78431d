// The desktop's default applications on Linux, from a private PATH and
// private application folders: what is installed is found, what is not is
// passed over.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "platform/linux/linux_desktop_defaults.h"

namespace tolvex::platform {
namespace {

class LinuxDefaults : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* name : {"PATH", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
      saved_[name] = qgetenv(name);
    QDir().mkpath(Bin());
    QDir().mkpath(Applications());
    qputenv("PATH", QFile::encodeName(Bin()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path() + "/data"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root_.path() + "/none"));
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) qputenv(name.c_str(), value);
  }
  QString Bin() const { return root_.path() + "/bin"; }
  QString Applications() const { return root_.path() + "/data/applications"; }
  void Program(const QString& name, const QByteArray& script = "#!/bin/sh\n") const {
    QFile file(Bin() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  // An xdg-mime that names `entry` for folders and nothing else.
  void FolderHandler(const QString& entry) const {
    Program("xdg-mime", "#!/bin/sh\n[ \"$3\" = inode/directory ] && echo " + entry.toUtf8() + "\n");
  }
  void Entry(const QString& id, const QByteArray& exec) const {
    QFile file(Applications() + "/" + id);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nType=Application\nName=Files\nExec=" + exec + "\n");
  }

  QTemporaryDir root_;
  std::map<std::string, QByteArray> saved_;
};

TEST_F(LinuxDefaults, FindsTheAlternativesAndTheFolderHandler) {
  Program("x-terminal-emulator");
  Program("x-www-browser");
  Program("fm");
  FolderHandler("fm.desktop");
  Entry("fm.desktop", "fm %U");
  LinuxDesktopDefaults defaults;
  EXPECT_EQ(defaults.Find(DefaultApplication::daTerminal),
            (Bin() + "/x-terminal-emulator").toStdString());
  EXPECT_EQ(defaults.Find(DefaultApplication::daWebBrowser),
            (Bin() + "/x-www-browser").toStdString());
  EXPECT_EQ(defaults.Find(DefaultApplication::daFileManager),
            (Applications() + "/fm.desktop").toStdString());
}

TEST_F(LinuxDefaults, PassesOverWhatIsNotInstalled) {
  // The handler's entry names a program that is not there; no terminal, no
  // browser, and xdg-mime knows no web handler.
  FolderHandler("fm.desktop");
  Entry("fm.desktop", "fm %U");
  LinuxDesktopDefaults defaults;
  EXPECT_EQ(defaults.Find(DefaultApplication::daTerminal), "");
  EXPECT_EQ(defaults.Find(DefaultApplication::daWebBrowser), "");
  EXPECT_EQ(defaults.Find(DefaultApplication::daFileManager), "");
}

TEST_F(LinuxDefaults, NamesNoFolderHandlerWithoutXdgMimeOrItsEntry) {
  Program("fm");
  LinuxDesktopDefaults defaults;
  EXPECT_EQ(defaults.Find(DefaultApplication::daFileManager), "");
  FolderHandler("missing.desktop");
  EXPECT_EQ(defaults.Find(DefaultApplication::daFileManager), "");
}

}  // namespace
}  // namespace tolvex::platform
