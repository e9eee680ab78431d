// The real binary on a private X display: a floating bar that holds only the
// clock panel, as high as the header and the clock's layout, following a
// layout chosen from the clock's context menu and keeping it for the next
// start.
#include <gtest/gtest.h>

#include "support/panel_bar_e2e.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

class ClockBarE2e : public PanelBarE2e {
 protected:
  void SetUp() override { Prepare({2}, "[TolvexClock]\nLayout=0\n"); }
  int Height(const QString& id) const { return ClientArea(display_, id).height(); }
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
