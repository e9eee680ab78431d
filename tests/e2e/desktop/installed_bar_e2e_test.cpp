// An installation into a temporary prefix, and the Debian package unpacked
// into a temporary root, each started as a new user would on a private X
// display: a home without ~/.config, the seed files from the installed data
// folder, plug-ins from the installed snap-in folder and the user's data
// folder, and nothing written beside the program.
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

#include <map>
#include <optional>

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

// The standard output of a tool that succeeded; nothing when it failed.
std::optional<QString> RunTool(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  tool.start(program, arguments);
  if (!tool.waitForFinished(300000) || tool.exitStatus() != QProcess::NormalExit ||
      tool.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The two ways an installed tree comes about: the install rules into a
// prefix, or the package that CPack makes of the same rules, unpacked.
enum class Installation { Rules, Package };

void PrintTo(Installation kind, std::ostream* out) {
  *out << (kind == Installation::Rules ? "the install rules" : "the Debian package");
}

struct InstalledTree {
  QTemporaryDir root;
  QString prefix;
  QString package;  // the .deb file, for the package
};

// Builds the tree once per kind for the whole test program; empty prefix on failure.
const InstalledTree& Install(Installation kind) {
  static std::map<Installation, std::unique_ptr<InstalledTree>> trees;
  auto& tree = trees[kind];
  if (tree) return *tree;
  tree = std::make_unique<InstalledTree>();
  const QString root = tree->root.path();
  if (kind == Installation::Rules) {
    if (!RunTool("cmake", {"--install", TOLVEX_BUILD_DIR, "--prefix", root + "/prefix"}))
      return *tree;
    tree->prefix = root + "/prefix";
    return *tree;
  }
  if (!RunTool("cpack", {"-G", "DEB", "--config", TOLVEX_BUILD_DIR "/CPackConfig.cmake", "-B",
                         root + "/out"}))
    return *tree;
  const QStringList debs = QDir(root + "/out").entryList({"tolvexbar_*.deb"}, QDir::Files);
  if (debs.size() != 1) return *tree;
  tree->package = root + "/out/" + debs[0];
  if (!RunTool("dpkg-deb", {"-x", tree->package, root + "/root"})) return *tree;
  tree->prefix = root + "/root/usr";
  return *tree;
}

class InstalledBar : public testing::TestWithParam<Installation> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    ASSERT_FALSE(Prefix().isEmpty()) << "the installation failed";
  }
  void TearDown() override {
    if (bar_) {
      bar_->terminate();
      if (!bar_->waitForFinished(5000)) bar_->kill();
    }
  }

  QString Prefix() const { return Install(GetParam()).prefix; }
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

  XvfbSession display_;
  QTemporaryDir home_;
  std::unique_ptr<QProcess> bar_;
};

TEST_P(InstalledBar, InstallsTheProgramItsPlugInHeaderAndDesktopFiles) {
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

TEST_P(InstalledBar,
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

TEST_P(InstalledBar, PlugInsComeFromTheInstalledFolderAndTheUsersDataFolder) {
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

TEST_P(InstalledBar, ThePackageNamesTheLibrariesAndOpenerItNeeds) {
  if (GetParam() != Installation::Package) GTEST_SKIP() << "only the package has control data";
  const QString depends =
      RunTool("dpkg-deb", {"-f", Install(GetParam()).package, "Depends"}).value_or(QString());
  for (const char* needed : {"libqt6widgets6", "xdg-utils"})
    EXPECT_TRUE(depends.contains(QString::fromUtf8(needed))) << depends.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Installations, InstalledBar,
                         testing::Values(Installation::Rules, Installation::Package),
                         [](const testing::TestParamInfo<Installation>& info) {
                           return info.param == Installation::Rules ? "InstallRules"
                                                                    : "DebianPackage";
                         });

}  // namespace
}  // namespace tolvex::test
