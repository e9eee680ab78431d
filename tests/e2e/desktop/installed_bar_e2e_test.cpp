// An installation into a temporary prefix, started as a new user would on a
// private X display: a home without ~/.config, the seed files from the
// installed data folder, plug-ins from the installed snap-in folder and the
// user's data folder, and nothing written beside the program.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

QStringList Files(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
  files.sort();
  return files;
}

class InstalledBar : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(prefix_->isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::ForwardedChannels);
    install.start("cmake", {"--install", TOLVEX_BUILD_DIR, "--prefix", prefix_->path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0);
  }
  static void TearDownTestSuite() { prefix_.reset(); }

  void SetUp() override { ASSERT_TRUE(display_.IsRunning()); }
  void TearDown() override {
    if (bar_) {
      bar_->terminate();
      if (!bar_->waitForFinished(5000)) bar_->kill();
    }
  }

  QString Prefix() const { return prefix_->path(); }
  QString Home() const { return home_.path() + "/user"; }
  QString PerUser() const { return Home() + "/.config/tolvex/"; }
  QString SnapInLog() const { return home_.path() + "/snapins.log"; }

  // Starts the installed program with a fresh home (no ~/.config), XDG
  // variables unset so the folders follow from HOME.
  void Start() {
    QProcessEnvironment env = display_.Environment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) env.remove(name);
    env.insert("HOME", Home());
    env.insert("TOLVEX_PLATFORM", "sim");
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("TOLVEX_SIM_LOG", home_.path() + "/sim.log");
    env.insert("XDG_RUNTIME_DIR", home_.path());
    env.insert("TOLVEX_SAMPLE_SNAPIN_LOG", SnapInLog());
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    bar_ = std::make_unique<QProcess>();
    bar_->setProcessEnvironment(env);
    bar_->setProcessChannelMode(QProcess::ForwardedChannels);
    bar_->start(Prefix() + "/bin/tolvexbar", {});
    ASSERT_TRUE(bar_->waitForStarted(5000));
    ASSERT_TRUE(WaitUntil([&] {
      return !display_.Run("xdotool", {"search", "--onlyvisible", "--name", "^TolvexBar$"})
                  .trimmed()
                  .isEmpty();
    }));
    QThread::msleep(500);
  }

  static inline std::unique_ptr<QTemporaryDir> prefix_ = std::make_unique<QTemporaryDir>();
  XvfbSession display_;
  QTemporaryDir home_;
  std::unique_ptr<QProcess> bar_;
};

TEST_F(InstalledBar, InstallsTheProgramItsPlugInHeaderAndDesktopFiles) {
  const QStringList files = Files(Prefix());
  for (const char* expected :
       {"bin/tolvexbar", "include/tolvex/snapin.h", "share/applications/tolvexbar.desktop",
        "share/tolvexbar/tolvexbar.dat", "share/tolvexbar/autostart/tolvexbar.desktop",
        "share/metainfo/org.tolvex.tolvexbar.metainfo.xml",
        "share/icons/hicolor/scalable/apps/tolvexbar.svg",
        "share/icons/hicolor/16x16/apps/tolvexbar.png",
        "share/icons/hicolor/48x48/apps/tolvexbar.png",
        "share/icons/hicolor/256x256/apps/tolvexbar.png"})
    EXPECT_TRUE(files.contains(QString::fromUtf8(expected))) << expected;
  const QStringList snapins =
      files.filter(QRegularExpression("^lib/.*tolvexbar/snapins/sample\\.tsi$"));
  EXPECT_EQ(snapins.size(), 1) << files.join(' ').toStdString();
  QFile entry(Prefix() + "/share/applications/tolvexbar.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QByteArray text = entry.readAll();
  for (const char* key : {"\nName=", "\nName[de]=", "\nComment=", "\nComment[de]=",
                          "\nExec=tolvexbar\n", "\nIcon=tolvexbar\n"})
    EXPECT_TRUE(text.contains(key)) << key;
}

TEST_F(InstalledBar,
       AFirstStartWithoutConfigFolderSeedsFromTheDataFolderAndWritesNothingBesideTheProgram) {
  QDir().mkpath(Home());
  const QStringList before = Files(Prefix());
  Start();
  EXPECT_EQ(bar_->state(), QProcess::Running);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(Home() + "/.config").constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  QFile layout(PerUser() + "tolvexbar.dat");
  ASSERT_TRUE(layout.open(QIODevice::ReadOnly));
  const QByteArray text = layout.readAll();
  // The simulated desktop names no default applications: the shipped panels.
  EXPECT_TRUE(text.contains("Kind=2")) << text.constData();
  EXPECT_TRUE(text.contains("Kind=3")) << text.constData();
  EXPECT_EQ(Files(Prefix()), before);
}

TEST_F(InstalledBar, PlugInsComeFromTheInstalledFolderAndTheUsersDataFolder) {
  // The user's own copy under another name, beside the installed one.
  const QString userSnapIns = Home() + "/.local/share/tolvex/snapins/";
  QDir().mkpath(userSnapIns);
  const QStringList installed =
      Files(Prefix()).filter(QRegularExpression("^lib/.*tolvexbar/snapins/sample\\.tsi$"));
  ASSERT_EQ(installed.size(), 1);
  ASSERT_TRUE(QFile::copy(Prefix() + "/" + installed[0], userSnapIns + "mine.tsi"));
  QDir().mkpath(PerUser());
  QFile layout(PerUser() + "tolvexbar.dat");
  ASSERT_TRUE(layout.open(QIODevice::WriteOnly));
  layout.write(
      "[tolvexBar]\nCount=2\n[Link1]\nType=S\nSnapIn=sample.tsi\n[Link2]\nType=S\nSnapIn=mine."
      "tsi\n");
  layout.close();
  Start();
  ASSERT_TRUE(WaitUntil([&] {
    QFile log(SnapInLog());
    return log.open(QIODevice::ReadOnly) && log.readAll().count("sample init") == 2;
  }));
}

}  // namespace
}  // namespace tolvex::test
