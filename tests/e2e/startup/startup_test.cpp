// The real binary at start-up: what the first start writes, and a second
// start that hands over to the running one and ends at once.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "support/program_folder.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

// Every file and folder below the program folder and the home folder, with
// size and modification time.
QStringList Snapshot(const ProgramFolder& folder) {
  QStringList entries;
  for (const QString& root : {folder.Path(), folder.Home()}) {
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QFileInfo info(it.next());
      entries << QString("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.isDir() ? -1 : info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
  }
  entries.sort();
  return entries;
}

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    // The application-data folder exists, as on any desktop.
    QDir().mkpath(folder_.ConfigHome());
  }
  void TearDown() override {
    for (auto& process : processes_) {
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
      process->waitForFinished(1000);
    }
  }

  // Starts the binary offscreen; only the single-instance service is native,
  // with its lock and socket in a private runtime folder.
  QProcess& Start() {
    QProcessEnvironment env = folder_.Environment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TOLVEX_SIM_NATIVE", "single_instance");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("DISPLAY", ":e2e");
    processes_.push_back(folder_.Start(env));
    return *processes_.back();
  }
  bool Listening() const {
    return !QDir(runtime_.path()).entryList({"*.socket"}, QDir::System).isEmpty();
  }
  QString PerUserFolder() const { return folder_.ConfigHome() + "/tolvex"; }

  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::vector<std::unique_ptr<QProcess>> processes_;
};

TEST_F(Startup, FirstStartWithNoFilesCreatesOnlyThePerUserFolder) {
  const QStringList before = Snapshot(folder_);
  QProcess& bar = Start();
  ASSERT_TRUE(WaitUntil([&] { return Listening() && QFileInfo(PerUserFolder()).isDir(); }));
  // Anything else would be written right after; give it the time.
  QThread::msleep(500);
  EXPECT_EQ(bar.state(), QProcess::Running);
  QStringList after = Snapshot(folder_);
  const QFileInfo perUser(PerUserFolder());
  ASSERT_TRUE(perUser.isDir());
  EXPECT_TRUE(
      QDir(PerUserFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
  // The per-user folder is new; its parent's time changed with it.
  after.removeIf([&](const QString& entry) {
    return entry.startsWith(PerUserFolder() + " ") || entry.startsWith(folder_.ConfigHome() + " ");
  });
  QStringList expected = before;
  expected.removeIf(
      [&](const QString& entry) { return entry.startsWith(folder_.ConfigHome() + " "); });
  EXPECT_EQ(after, expected);
}

TEST_F(Startup, SecondStartActivatesTheRunningOneAndEndsAtOnce) {
  QProcess& first = Start();
  ASSERT_TRUE(WaitUntil([&] { return Listening(); }));
  QThread::msleep(500);
  const QStringList before = Snapshot(folder_);
  QProcess& second = Start();
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(Snapshot(folder_), before);
}

TEST_F(Startup, StartAfterACrashIsFirstAgain) {
  QProcess& crashed = Start();
  ASSERT_TRUE(WaitUntil([&] { return Listening(); }));
  crashed.kill();
  crashed.waitForFinished(5000);
  QProcess& next = Start();
  // The stale lock and socket do not make the next start a second one.
  EXPECT_FALSE(next.waitForFinished(3000));
  EXPECT_EQ(next.state(), QProcess::Running);
}

}  // namespace
}  // namespace tolvex::test
