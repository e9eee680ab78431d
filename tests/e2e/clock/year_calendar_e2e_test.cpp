// The real binary on a private X display: a double click on the clock opens
// the year calendar beside the bar; closing it hides it, and the next double
// click shows the same window again.
#include <gtest/gtest.h>

#include "support/panel_bar_e2e.h"
#include "support/wait_until.h"

namespace tolvex::test {
namespace {

class YearCalendarE2e : public PanelBarE2e {
 protected:
  void SetUp() override { Prepare({2}, "[TolvexClock]\nLayout=0\nDblClickAction=3\n"); }

  void DoubleClickClock(const QString& bar) const {
    display_.Run("xdotool", {"mousemove", "--window", bar, "50", QString::number(kHeader + 30),
                             "click", "--repeat", "2", "--delay", "80", "1"});
  }
  // The calendar's window id while it is shown, else empty.
  QString Calendar() const {
    return display_
        .Run("xdotool", {"search", "--onlyvisible", "--name", "^TolvexClock - Jahreskalender$"})
        .split('\n', Qt::SkipEmptyParts)
        .value(0);
  }
};

TEST_F(YearCalendarE2e, DoubleClickOpensItBesideTheBarAndClosingHidesIt) {
  const QString bar = Start();
  ASSERT_FALSE(bar.isEmpty());
  DoubleClickClock(bar);
  QString calendar;
  ASSERT_TRUE(WaitUntil([&] { return !(calendar = Calendar()).isEmpty(); }, 10000));
  const QRect area = ClientArea(display_, calendar);
  // The planner of 615 × 282 pixels above the status line.
  EXPECT_EQ(area.width(), 615);
  EXPECT_EQ(area.height(), 282 + 19);
  EXPECT_GE(area.left(), ClientArea(display_, bar).right());

  display_.Run("xdotool",
               {"windowactivate", "--sync", calendar, "key", "--clearmodifiers", "alt+F4"});
  EXPECT_TRUE(WaitUntil([&] { return Calendar().isEmpty(); }, 5000));
  DoubleClickClock(bar);
  ASSERT_TRUE(WaitUntil([&] { return !Calendar().isEmpty(); }, 10000));
  // Still the one window, shown again.
  const QStringList all =
      display_.Run("xdotool", {"search", "--name", "^TolvexClock - Jahreskalender$"})
          .split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(all.size(), 1) << all.join(' ').toStdString();
}

}  // namespace
}  // namespace tolvex::test
