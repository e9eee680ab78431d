// Bars on different edges of the simulated shell: top and bottom bars own
// the corners, side bars fit between them whatever the order they dock in,
// and each bar reserves exactly the rectangle it stands in.
#include "widget/appbar/appbar_test_fixture.h"

namespace tolvex {
namespace {

// The shell tells the other bars once control returns to the event loop;
// each may re-place itself and tell the others again.
void SettlePlacements() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

struct Docked {
  TAppBarEdge edge;
  int thickness;
  bool autoHide = false;
};

struct Case {
  const char* name;
  std::vector<Docked> bars;  // docked in this order
  std::vector<TRect> expected;
  TRect workArea;
};

TEST_F(AppBarTest, BarsOnDifferentEdgesMeetWithoutOverlapping) {
  const Case cases[] = {
      {"bottom, then left",
       {{abeBottom, 30}, {abeLeft, 104}},
       {{0, 738, 1024, 768}, {0, 0, 104, 738}},
       {104, 0, 1024, 738}},
      {"left, then bottom",
       {{abeLeft, 104}, {abeBottom, 30}},
       {{0, 0, 104, 738}, {0, 738, 1024, 768}},
       {104, 0, 1024, 738}},
      {"right, then top",
       {{abeRight, 104}, {abeTop, 30}},
       {{920, 30, 1024, 768}, {0, 0, 1024, 30}},
       {0, 30, 920, 768}},
      {"all four edges",
       {{abeLeft, 104}, {abeTop, 30}, {abeRight, 60}, {abeBottom, 40}},
       {{0, 30, 104, 728}, {0, 0, 1024, 30}, {964, 30, 1024, 728}, {0, 728, 1024, 768}},
       {104, 30, 964, 728}},
      {"two top bars, then two right bars",
       {{abeTop, 30}, {abeTop, 20}, {abeRight, 60}, {abeRight, 104}},
       {{0, 0, 1024, 30}, {0, 30, 1024, 50}, {964, 50, 1024, 768}, {860, 50, 964, 768}},
       {0, 50, 860, 768}},
      {"an auto-hidden top bar reserves no corner",
       {{abeTop, 30, true}, {abeLeft, 104}},
       {{0, -28, 1024, 2}, {0, 0, 104, 768}},
       {104, 0, 1024, 768}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<TAppBar*> docked;
    for (const Docked& d : c.bars) {
      TAppBar& bar = MakeBar(d.thickness, d.thickness);
      bar.SetAutoHide(d.autoHide);
      bar.PlaceAtEdge(d.edge);
      docked.push_back(&bar);
    }
    SettlePlacements();
    for (size_t i = 0; i < docked.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "bar " << i);
      EXPECT_EQ(docked[i]->WindowRect(), c.expected[i]);
      const TRect reserved = c.bars[i].autoHide ? TRect{} : c.expected[i];
      EXPECT_EQ(ShellBar(*docked[i]).reserved, reserved);
    }
    EXPECT_EQ(shell_->WorkArea(), c.workArea);
    bars_.clear();
    SettlePlacements();
  }
}

TEST_F(AppBarTest, ASideBarGrowsBackWhenTheBottomBarGoes) {
  MakeBar(104, 30).PlaceAtEdge(abeBottom);
  TAppBar& side = MakeBar();
  side.PlaceAtEdge(abeLeft);
  ASSERT_EQ(side.WindowRect(), TRect(0, 0, 104, 738));
  bars_.erase(bars_.begin());
  SettlePlacements();
  EXPECT_EQ(side.WindowRect(), TRect(0, 0, 104, 768));
  EXPECT_EQ(shell_->WorkArea(), TRect(104, 0, 1024, 768));
}

}  // namespace
}  // namespace tolvex
