// The real binary on a private X display: a floating bar that holds only the
// clock panel, as high as the header and the clock's layout, following a
// layout chosen from the clock's context menu and keeping it for the next
// start.
#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

#include "support/bar_on_display.h"
#include "support/program_folder.h"
#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

// The header with its line.
constexpr int kHeader = 26;

class ClockBarE2e : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning());
    folder_.WriteFile("tolvexbar.dat", "[tolvexBar]\nCount=1\n[Link1]\nType=S\nKind=2\n");
    folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\n[TolvexClock]\nLayout=0\n");
  }
  void TearDown() override { Stop(); }

  QString Start() {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    bar_ = folder_.Start(env);
    return WaitForBarWindow(display_);
  }
  void Stop() {
    if (!bar_) return;
    bar_->terminate();
    if (!bar_->waitForFinished(5000)) bar_->kill();
    bar_->waitForFinished(1000);
    bar_.reset();
  }
  int Height(const QString& id) const { return ClientArea(display_, id).height(); }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> bar_;
};

TEST_F(ClockBarE2e, TheBarFollowsTheLayoutChosenInTheClocksMenuAndKeepsIt) {
  QString id = Start();
  ASSERT_FALSE(id.isEmpty());
  // The standard layout: tear-off sheet, time and moon phase.
  EXPECT_EQ(Height(id), kHeader + 65);

  // "&Ansicht" > "&Monatsansicht" from the context menu of the clock.
  display_.Run("xdotool", {"mousemove", "--window", id, "50", QString::number(kHeader + 30),
                           "click", "3"});
  QThread::msleep(700);
  display_.Run("xdotool", {"key", "a"});
  QThread::msleep(400);
  display_.Run("xdotool", {"key", "m"});
  EXPECT_TRUE(WaitUntil([&] { return Height(id) == kHeader + 96; }, 5000)) << Height(id);

  Stop();
  id = Start();
  ASSERT_FALSE(id.isEmpty());
  EXPECT_EQ(Height(id), kHeader + 96);
}

}  // namespace
}  // namespace tolvex::test
