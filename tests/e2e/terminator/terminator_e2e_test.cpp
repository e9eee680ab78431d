// The real binary on a private X display with the simulated session service:
// a floating bar that holds only the shutdown panel; its buttons clicked, the
// requests seen in the simulation log, and the bar closing after a
// successful shutdown request but not after a disconnect.
#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

#include "support/bar_on_display.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// The panel lies below the header (24) and its line (2); its buttons are
// 22 pixels square at y = 1.
constexpr int kButtonY = 26 + 1 + 11;

class TerminatorE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    folder_.WriteFile("tolvexbar.dat", "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=4\n");
    folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\n");
  }
  void TearDown() override {
    if (!bar_) return;
    bar_->terminate();
    if (!bar_->waitForFinished(5000)) bar_->kill();
    bar_->waitForFinished(1000);
  }

  // Starts the bar with the session answers `answers`; its window id.
  QString Start(const QString& answers) {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("TOLVEX_SIM_SESSION", answers);
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    bar_ = folder_.Start(env);
    return WaitForBarWindow(display_);
  }
  void Click(const QString& id, int x) {
    display_.Run("xdotool", {"mousemove", "--window", id, QString::number(x),
                             QString::number(kButtonY), "click", "1"});
  }
  QStringList SessionLog() const {
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(folder_.ReadFile(folder_.SimLog())).split('\n', Qt::SkipEmptyParts)) {
      if (line.startsWith("session\t")) lines << line;
    }
    return lines;
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> bar_;
};

TEST_F(TerminatorE2e, TheShutdownButtonAsksForAPowerOffAndTheBarCloses) {
  const QString id = Start("");
  ASSERT_FALSE(id.isEmpty());
  Click(id, 12);
  ASSERT_TRUE(WaitUntil([&] { return SessionLog().size() >= 2; }));
  EXPECT_EQ(SessionLog(),
            (QStringList{"session\tprivilege\tpower-off", "session\trequest\tpower-off"}));
  EXPECT_TRUE(bar_->waitForFinished(10000));
  EXPECT_EQ(bar_->exitCode(), 0);
}

TEST_F(TerminatorE2e, InARemoteSessionTheFourthButtonDisconnectsAndTheBarStays) {
  const QString id = Start("remote");
  ASSERT_FALSE(id.isEmpty());
  Click(id, 67 + 11);
  ASSERT_TRUE(WaitUntil([&] { return SessionLog().size() >= 2; }));
  EXPECT_EQ(SessionLog(),
            (QStringList{"session\tprivilege\tdisconnect", "session\trequest\tdisconnect"}));
  EXPECT_FALSE(bar_->waitForFinished(1000));
}

}  // namespace
}  // namespace tolvex::test
