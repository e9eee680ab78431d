// TAppBar auto-hide on the simulated desktop: where a hidden bar goes, the
// check that slides it out, the mouse that slides it in, and the slide.
#include <QEvent>
#include <QMoveEvent>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/appbar_sliver.h"
#include "widget/appbar/appbar_test_fixture.h"

namespace tolvex {
namespace {

using platform::SystemMetric;

TEST_F(AppBarTest, AutoHideRectAtEachEdge) {
  desktop_->SetMetric(SystemMetric::BorderWidth, 2);
  desktop_->SetMetric(SystemMetric::BorderHeight, 3);
  struct Case {
    TAppBarEdge edge;
    bool show;
    TRect expected;
  };
  const TRect vertical{7, 7, 111, 775};    // 104 × 768
  const TRect horizontal{7, 7, 1031, 37};  // 1024 × 30
  const Case cases[] = {
      {abeLeft, true, {0, 0, 104, 768}},      {abeLeft, false, {-100, 0, 4, 768}},
      {abeRight, true, {920, 0, 1024, 768}},  {abeRight, false, {1020, 0, 1124, 768}},
      {abeTop, true, {0, 0, 1024, 30}},       {abeTop, false, {0, -24, 1024, 6}},
      {abeBottom, true, {0, 738, 1024, 768}}, {abeBottom, false, {0, 762, 1024, 792}},
  };
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge << " show " << c.show);
    bar.PlaceAtEdge(c.edge);
    TRect r = TAppBar::IsVerticalEdge(c.edge) ? vertical : horizontal;
    EXPECT_TRUE(bar.AutoHideRect(c.show, r));
    EXPECT_EQ(r, c.expected);
  }
  bar.PlaceAtEdge(abeFloat);
  TRect r = vertical;
  EXPECT_FALSE(bar.AutoHideRect(true, r));
  bar.SetAutoHide(false);
  bar.PlaceAtEdge(abeLeft);
  EXPECT_FALSE(bar.AutoHideRect(false, r));
  EXPECT_EQ(r, vertical);
}

TEST_F(AppBarTest, AutoHiddenBarLeavesAVisibleSliverAndTheMouseSlidesItIn) {
  // Wider than the offscreen frame (2), so the sliver reaches the client area.
  desktop_->SetMetric(SystemMetric::BorderWidth, 4);
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeLeft);
  bar.show();
  EXPECT_EQ(bar.WindowRect(), TRect(-96, 0, 8, 768));
  // The strip of two border widths at the screen's edge, in client terms.
  const QRect frame = bar.frameGeometry();
  const QRect client = bar.geometry();
  const QRect strip = QRect(0, 0, 8, 768).translated(-client.left(), -client.top()) &
                      QRect(QPoint(), client.size());
  auto* sliver = bar.findChild<TAppBarSliver*>();
  ASSERT_NE(sliver, nullptr);
  EXPECT_TRUE(sliver->isVisible());
  ASSERT_FALSE(strip.isEmpty());
  EXPECT_EQ(sliver->geometry(), strip);
  EXPECT_EQ(frame.right() + 1, 8);

  bar.NonClientMouseMove();
  EXPECT_TRUE(bar.AutoHideShown());
  EXPECT_FALSE(sliver->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.Sliding(); }, 5000));
  EXPECT_EQ(bar.WindowRect(), TRect(0, 0, 104, 768));
}

TEST_F(AppBarTest, AutoHideCheckSlidesOutOnceTheCursorIsAwayFromTheBar) {
  struct Case {
    TPoint cursor;
    bool staysIn;
  };
  // Twice the double-click width (4) around the bar keeps it in.
  const Case cases[] = {{{50, 400}, true}, {{111, 400}, true}, {{112, 400}, false},
                        {{50, 775}, true}, {{50, 776}, false}, {{-9, 0}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cursor.x << "," << c.cursor.y);
    TAppBar& bar = MakeBar();
    bar.SetAutoHide(true);
    bar.PlaceAtEdge(abeLeft);
    bar.ShowAutoHidden(true);
    ASSERT_EQ(bar.WindowRect(), TRect(0, 0, 104, 768));
    desktop_->SetCursorPos(c.cursor);
    bar.AutoHideCheck();
    EXPECT_EQ(bar.AutoHideShown(), c.staysIn);
    EXPECT_EQ(bar.WindowRect(), c.staysIn ? TRect(0, 0, 104, 768) : TRect(-102, 0, 2, 768));
    bars_.clear();
  }
}

TEST_F(AppBarTest, TheTimerRunsTheCheckEverySlideTime) {
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeRight);
  bar.ShowAutoHidden(true);
  desktop_->SetCursorPos({0, 0});
  bar.SetSlideTime(10);
  bar.AutoHideTimer()->start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.AutoHideShown(); }, 5000));
}

// The simulated desktop, counting the questions a real one would send to the
// window system.
class CountingDesktop : public platform::sim::SimDesktop {
 public:
  int calls = 0;
  TRect ScreenRect() override { return Count(SimDesktop::ScreenRect()); }
  TRect WorkArea() override { return Count(SimDesktop::WorkArea()); }
  int Metric(platform::SystemMetric metric) override { return Count(SimDesktop::Metric(metric)); }
  bool FullWindowDrag() override { return Count(SimDesktop::FullWindowDrag()); }
  bool IsKeyDown(platform::Key key) override { return Count(SimDesktop::IsKeyDown(key)); }
  TPoint CursorPos() override { return Count(SimDesktop::CursorPos()); }
  std::int64_t TickCount() override { return Count(SimDesktop::TickCount()); }

 private:
  template <typename T>
  T Count(T value) {
    ++calls;
    return value;
  }
};

TEST_F(AppBarTest, AnIdleBarAsksTheWindowSystemNothing) {
  struct Case {
    const char* name;
    TAppBarEdge edge;
    bool autoHide;
  };
  const Case cases[] = {{"docked", abeLeft, false},
                        {"auto-hidden and slid out", abeRight, true},
                        {"floating", abeFloat, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAppBar& bar = MakeBar();
    bar.SetSlideTime(10);
    bar.SetAutoHide(c.autoHide);
    bar.PlaceAtEdge(c.edge);
    bar.ShowAutoHidden(false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar.AutoHideTimer()->isActive());
    auto desktop = std::make_unique<CountingDesktop>();
    const CountingDesktop& counting = *desktop;
    platform::SetDesktop(std::move(desktop));
    shell_->ClearCalls();
    QTest::qWait(50);
    bar.AutoHideCheck();
    EXPECT_EQ(counting.calls, 0);
    EXPECT_TRUE(shell_->Calls().empty());
    bars_.clear();
  }
}

TEST_F(AppBarTest, TheTimerRunsOnlyWhileTheAutoHiddenBarIsSlidIn) {
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeLeft);
  EXPECT_FALSE(bar.AutoHideTimer()->isActive());
  bar.NonClientMouseMove();
  EXPECT_TRUE(bar.AutoHideTimer()->isActive());
  bar.ShowAutoHidden(false);
  EXPECT_FALSE(bar.AutoHideTimer()->isActive());
  bar.NonClientMouseMove();
  bar.SetAutoHide(false);
  bar.PlaceAtEdge(abeLeft);
  EXPECT_FALSE(bar.AutoHideTimer()->isActive());
}

// Counts the places along the top of the screen a window moves to (the
// offscreen window system also reports its frame's place now and then,
// which lies off that line).
// Counts the distinct places a bar at the top of the screen moves to until
// it reaches `target`; the moves the offscreen platform may add of its own
// after that (it nudges a window reaching beyond the screen) do not count.
class MoveCounter : public QObject {
 public:
  explicit MoveCounter(int target) : target_(target) {}
  int Moves() const { return int(places_.size()); }
  bool Reached() const { return places_.count(target_) > 0; }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Move && !Reached()) {
      const QPoint to = static_cast<QMoveEvent*>(event)->pos();
      if (to.y() == 0) places_.insert(to.x());
    }
    return false;
  }

 private:
  int target_;
  std::set<int> places_;
};

TEST_F(AppBarTest, SlideAnimatesOnlyWithFullWindowDraggingAndTheEffect) {
  struct Case {
    bool fullWindowDrag;
    bool slideEffect;
    int moves;
  };
  // 400 ms in steps of 100 ms of the simulated clock (one reading a step):
  // three frames and the exact target, each step in its own turn of the
  // event loop.
  const Case cases[] = {{true, true, 4}, {false, true, 1}, {true, false, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "drag " << c.fullWindowDrag << " effect " << c.slideEffect);
    desktop_->SetFullWindowDrag(c.fullWindowDrag);
    desktop_->SetTickStep(100);
    TAppBar& bar = MakeBar();
    bar.SetSlideEffect(c.slideEffect);
    bar.SetAutoHide(true);
    bar.PlaceAtEdge(abeLeft);
    bar.ShowAutoHidden(true);
    bar.show();
    QCoreApplication::processEvents();
    MoveCounter counter(-102);
    bar.installEventFilter(&counter);
    bar.ShowAutoHidden(false);
    EXPECT_EQ(counter.Moves(), c.moves == 1 ? 1 : 0) << "the slide waits for the event loop";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.Sliding(); }, 5000));
    bar.removeEventFilter(&counter);
    EXPECT_EQ(counter.Moves(), c.moves);
    // The sliver's place, TRect(-102, 0, 2, 768).
    EXPECT_TRUE(counter.Reached());
    bars_.clear();
  }
}

TEST_F(AppBarTest, TheEventLoopRunsWhileTheBarSlides) {
  // Each reading of the simulated clock moves it on by 20 ms: the 400 ms
  // slide takes about twenty steps, and a timer posted as it starts fires
  // while it is still under way.
  desktop_->SetTickStep(20);
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeLeft);
  bar.ShowAutoHidden(true);
  bar.show();
  QCoreApplication::processEvents();
  bool ranDuringSlide = false;
  QTimer::singleShot(0, &bar, [&] { ranDuringSlide = bar.Sliding(); });
  MoveCounter counter(-102);
  bar.installEventFilter(&counter);
  bar.ShowAutoHidden(false);
  EXPECT_TRUE(bar.Sliding());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.Sliding(); }, 5000));
  bar.removeEventFilter(&counter);
  EXPECT_TRUE(ranDuringSlide);
  // The slide ends on the sliver's place, TRect(-102, 0, 2, 768).
  EXPECT_TRUE(counter.Reached());
  EXPECT_EQ(bar.WindowRect().Height(), 768);
}

}  // namespace
}  // namespace tolvex
