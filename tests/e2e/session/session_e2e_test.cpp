// The real binary at the end of its session, on a private X display with
// openbox: a floating bar that was moved and then ended by SIGTERM or SIGHUP,
// or by the loss of its display, comes back where it was left, and leaves no
// lock or socket behind; ended with a per-user folder it cannot write, it
// shows the write error and ends normally with the old file whole.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "support/bar_on_display.h"
#include "support/private_mounts.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

class SessionE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_->IsRunning());
    QDir().mkpath(PerUserFolder());
    folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\n");
  }
  void TearDown() override {
    for (auto& process : processes_) {
      process->kill();
      process->waitForFinished(5000);
    }
    if (!mounted_.isEmpty()) Unmount(mounted_);
  }

  QString PerUserFolder() const { return folder_.ConfigHome() + "/tolvex"; }
  QString ConfigFile() const { return PerUserFolder() + "/tolvexbar.ini"; }

  // Starts the bar with a real toolbar, desktop, single-instance rule and
  // session watch; everything else is simulated.
  QProcess& Start() {
    QProcessEnvironment env = folder_.Environment(display_->Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop,single_instance,session");
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    processes_.push_back(folder_.Start(env));
    return *processes_.back();
  }
  // The visible windows whose name matches `name`.
  QStringList Windows(const QString& name) const {
    return display_->Run("xdotool", {"search", "--onlyvisible", "--name", name})
        .split('\n', Qt::SkipEmptyParts);
  }
  QString WaitForBar() const {
    QString id;
    WaitUntil([&] {
      id = Windows("^TolvexBar$").value(0);
      return !id.isEmpty();
    });
    // The placement settles once the event loop runs.
    QThread::msleep(500);
    return id;
  }
  // The screen position of the window's client area.
  QPoint Position(const QString& id) const { return ClientArea(*display_, id).topLeft(); }
  // Moves the floating bar as the window manager would and waits for it.
  QPoint Move(const QString& id, QPoint to) const {
    const QPoint from = Position(id);
    display_->Run("xdotool", {"windowmove", id, QString::number(to.x()), QString::number(to.y())});
    EXPECT_TRUE(WaitUntil([&] { return Position(id) != from; }, 5000));
    // The bar learns its new place from the window manager's notice.
    QThread::msleep(500);
    return Position(id);
  }
  bool LockOrSocketLeft() const {
    return !QDir(runtime_.path())
                .entryList({"tolvexbar-*"}, QDir::Files | QDir::System | QDir::Hidden)
                .isEmpty();
  }
  static bool Ended(QProcess& bar) {
    return bar.waitForFinished(15000) && bar.exitStatus() == QProcess::NormalExit;
  }

  std::unique_ptr<XvfbSession> display_ = std::make_unique<XvfbSession>();
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::vector<std::unique_ptr<QProcess>> processes_;
  QString mounted_;
};

TEST_F(SessionE2e, SigtermAndSighupSaveTheMovedBarWhichComesBackThere) {
  for (const int signal : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGHUP");
    QProcess& bar = Start();
    const QString id = WaitForBar();
    ASSERT_FALSE(id.isEmpty());
    const QPoint left = Move(id, signal == SIGTERM ? QPoint(400, 300) : QPoint(250, 120));
    ::kill(pid_t(bar.processId()), signal);
    ASSERT_TRUE(Ended(bar));
    EXPECT_EQ(bar.exitCode(), 0);
    EXPECT_FALSE(LockOrSocketLeft());
    EXPECT_TRUE(folder_.ReadFile(ConfigFile()).contains("Left="));

    QProcess& next = Start();
    const QString again = WaitForBar();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(Position(again), left);
    ::kill(pid_t(next.processId()), SIGTERM);
    ASSERT_TRUE(Ended(next));
  }
}

TEST_F(SessionE2e, ALostDisplaySavesTheMovedBarWhichComesBackThere) {
  QProcess& bar = Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  const QPoint left = Move(id, QPoint(420, 260));
  display_.reset();
  ASSERT_TRUE(Ended(bar));
  EXPECT_FALSE(LockOrSocketLeft());

  display_ = std::make_unique<XvfbSession>();
  ASSERT_TRUE(display_->IsRunning());
  Start();
  const QString again = WaitForBar();
  ASSERT_FALSE(again.isEmpty());
  EXPECT_EQ(Position(again), left);
}

TEST_F(SessionE2e, AnUnwritablePerUserFolderShowsTheWriteErrorAndTheFileStaysWhole) {
  if (!EnterPrivateMounts()) {
    GTEST_SKIP() << "no private mount namespace";
  }
  folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\nLeft=300\nTop=200\n");
  QProcess& bar = Start();
  const QString id = WaitForBar();
  ASSERT_FALSE(id.isEmpty());
  Move(id, QPoint(500, 400));
  const QByteArray before = folder_.ReadFile(ConfigFile());
  ASSERT_TRUE(before.contains("Left=300"));
  ASSERT_TRUE(MountReadOnly(PerUserFolder()));
  mounted_ = PerUserFolder();

  ::kill(pid_t(bar.processId()), SIGTERM);
  // The message, a window of its own while the bar is still there.
  QString message;
  ASSERT_TRUE(WaitUntil([&] {
    for (const QString& window : Windows(".")) {
      if (window != id) message = window;
    }
    return !message.isEmpty();
  }));
  EXPECT_FALSE(Windows("^TolvexBar$").isEmpty());
  EXPECT_EQ(bar.state(), QProcess::Running);
  display_->Run("xdotool", {"key", "--window", message, "Return"});
  ASSERT_TRUE(Ended(bar));
  EXPECT_EQ(bar.exitCode(), 0);
  EXPECT_EQ(folder_.ReadFile(ConfigFile()), before);
}

}  // namespace
}  // namespace tolvex::test
