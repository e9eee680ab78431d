// The real binary on a private X display with the simulated session service:
// a floating bar that holds only the shutdown panel; its buttons clicked, the
// requests seen in the simulation log, and the bar closing after a
// successful shutdown request but not after a disconnect.
#include <gtest/gtest.h>

#include "support/panel_bar_e2e.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

// The panel lies below the header and its line; its buttons are 22 pixels
// square at y = 1.
constexpr int kButtonY = kHeader + 1 + 11;

class TerminatorE2e : public PanelBarE2e {
 protected:
  void SetUp() override { Prepare({4}); }
  // Starts the bar with the session answers `answers`; its window id.
  QString Start(const QString& answers) {
    QProcessEnvironment env;
    env.insert("TOLVEX_SIM_SESSION", answers);
    return PanelBarE2e::Start(env);
  }
  void Click(const QString& id, int x) const { PanelBarE2e::Click(id, x, kButtonY); }
  QStringList SessionLog() const { return SimLog("session\t"); }
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
