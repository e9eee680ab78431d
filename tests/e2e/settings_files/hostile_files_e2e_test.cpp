// The real binary started on settings files that are no files, or hold
// values nobody wrote: each start brings the bar up within a few seconds. And
// what interrupted saves of earlier runs left behind is cleared away.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

enum class Kind { Text, NamedPipe, Folder };

struct HostileCase {
  const char* name;
  bool perUser;  // in the per-user folder, else beside the program
  const char* file;
  Kind kind;
  QByteArray text;
};

class HostileFiles : public testing::TestWithParam<HostileCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    ASSERT_TRUE(runtime_.isValid());
    ASSERT_TRUE(QDir().mkpath(PerUserFolder()));
  }
  void TearDown() override {
    if (!bar_) return;
    bar_->terminate();
    if (!bar_->waitForFinished(5000)) bar_->kill();
    bar_->waitForFinished(1000);
  }

  QString PerUserFolder() const { return folder_.ConfigHome() + "/tolvex"; }
  void Start() {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    bar_ = folder_.Start(env);
  }
  bool BarShown() const {
    return !display_.Run("xdotool", {"search", "--onlyvisible", "--name", "^TolvexBar"})
                .trimmed()
                .isEmpty();
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> bar_;
};

TEST_P(HostileFiles, TheBarComesUpWithinAFewSeconds) {
  const HostileCase& c = GetParam();
  const QString path = (c.perUser ? PerUserFolder() : folder_.Path()) + "/" + c.file;
  QDir().mkpath(QFileInfo(path).absolutePath());
  switch (c.kind) {
    case Kind::Text:
      folder_.WriteFile(QDir(folder_.Path()).relativeFilePath(path), c.text);
      break;
    case Kind::NamedPipe:
      ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
      break;
    case Kind::Folder:
      ASSERT_TRUE(QDir().mkpath(path));
      break;
  }
  QElapsedTimer started;
  started.start();
  Start();
  EXPECT_TRUE(WaitUntil([&] { return BarShown(); }, 10000));
  EXPECT_EQ(bar_->state(), QProcess::Running);
  RecordProperty("SecondsToShow", QString::number(started.elapsed() / 1000.0).toStdString());
  // What the bar could not read is left as it was.
  const QFileInfo after(path);
  EXPECT_EQ(after.isDir(), c.kind == Kind::Folder);
  if (c.kind == Kind::Text) {
    EXPECT_EQ(folder_.ReadFile(path), c.text);
  }
}

constexpr char kHugeCount[] =
    "[tolvexBar]\nCount=2147483647\n[Link1]\nType=P\nName=Eins\nTarget=/nonexistent/eins\n";

const HostileCase kHostileCases[] = {
    {"LayoutIsANamedPipe", true, "tolvexbar.dat", Kind::NamedPipe, {}},
    {"ConfigurationIsANamedPipe", true, "tolvexbar.ini", Kind::NamedPipe, {}},
    {"ProgramFolderConfigurationIsANamedPipe", false, "tolvexbar.ini", Kind::NamedPipe, {}},
    {"ProgramFolderLayoutIsANamedPipe", false, "tolvexbar.dat", Kind::NamedPipe, {}},
    {"LegacyLayoutIsANamedPipe", false, "desktop/_default.txl", Kind::NamedPipe, {}},
    {"LayoutIsAFolder", true, "tolvexbar.dat", Kind::Folder, {}},
    {"ConfigurationIsAFolder", true, "tolvexbar.ini", Kind::Folder, {}},
    {"HugeCount", true, "tolvexbar.dat", Kind::Text, kHugeCount},
    {"NegativeCount", true, "tolvexbar.dat", Kind::Text, "[tolvexBar]\nCount=-2147483648\n"},
    {"NonNumericCount", true, "tolvexbar.dat", Kind::Text, "[tolvexBar]\nCount=viele\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, HostileFiles, testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileFiles, TemporaryFilesOfInterruptedSavesAreClearedAtStart) {
  const QString stale = PerUserFolder() + "/tolvexbar.ini.tmp-4242-0-1234567";
  const QString foreign = PerUserFolder() + "/tolvexbar.ini.tmp-eigene-notiz";
  folder_.WriteFile(QDir(folder_.Path()).relativeFilePath(stale), "[System]\nLeft=1\n");
  folder_.WriteFile(QDir(folder_.Path()).relativeFilePath(foreign), "meins");
  const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
  for (const QString& path : {stale, foreign}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(yesterday, QFileDevice::FileModificationTime));
  }
  Start();
  ASSERT_TRUE(WaitUntil([&] { return BarShown(); }, 10000));
  EXPECT_FALSE(QFileInfo::exists(stale));
  EXPECT_TRUE(QFileInfo::exists(foreign));
}

}  // namespace
}  // namespace tolvex::test
