// TAppBar placement on the simulated shell: defaults, docking rectangles,
// the order of PlaceAtEdge's effects, the auto-hide refusal, z-order,
// notifications and the task entry.
#include <QWindow>

#include "widget/appbar/appbar_test_fixture.h"

namespace tolvex {
namespace {

using platform::ToolbarZOrder;

TEST_F(AppBarTest, ConstructorDefaults) {
  TAppBar bar;
  EXPECT_EQ(bar.Edge(), abeFloat);
  EXPECT_EQ(bar.Flags(),
            abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom | abfAllowFloat);
  EXPECT_FALSE(bar.AutoHide());
  EXPECT_TRUE(bar.AlwaysOnTop());
  EXPECT_TRUE(bar.SlideEffect());
  EXPECT_EQ(bar.SlideTime(), 400);
  EXPECT_EQ(bar.HorzSizeInc(), 1);
  EXPECT_EQ(bar.VertSizeInc(), 1);
  EXPECT_EQ(bar.VertDockSize(), 32);
  EXPECT_EQ(bar.HorzDockSize(), 32);
  EXPECT_EQ(TRect(bar.FloatLeft(), bar.FloatTop(), bar.FloatRight(), bar.FloatBottom()), TRect());
  EXPECT_EQ(bar.MinWidth(), 0);
  EXPECT_EQ(bar.MinHeight(), 0);
  EXPECT_EQ(bar.MaxWidth(), 1024);
  EXPECT_EQ(bar.MaxHeight(), 768);
  EXPECT_EQ(bar.MinVertDockSize(), 0);
  EXPECT_EQ(bar.MinHorzDockSize(), 0);
  EXPECT_EQ(bar.MaxVertDockSize(), 512);
  EXPECT_EQ(bar.MaxHorzDockSize(), 384);
  EXPECT_EQ(bar.TaskEntry(), abtFloatDependent);
  EXPECT_EQ(bar.MovingEdge(), abeUnknown);
  EXPECT_FALSE(bar.FullScreenApp());
  EXPECT_FALSE(bar.AutoHideShown());
  EXPECT_EQ(bar.AutoHideTimer(), nullptr);
}

// The auto-hide timer stands still until the bar is docked with auto-hide
// and slid in.
TEST_F(AppBarTest, CreationRegistersMakesTheTimerAndTakesTheFloatingCorner) {
  TAppBar bar;
  bar.move(40, 60);
  bar.SetSlideTime(250);
  bar.Handle();
  ASSERT_FALSE(shell_->Calls().empty());
  EXPECT_EQ(shell_->Calls().front(), "new " + Id(bar));
  ASSERT_NE(bar.AutoHideTimer(), nullptr);
  EXPECT_FALSE(bar.AutoHideTimer()->isActive());
  EXPECT_EQ(bar.AutoHideTimer()->interval(), 250);
  // The window's corner, frame included.
  EXPECT_NEAR(bar.FloatLeft(), 40, 4);
  EXPECT_NEAR(bar.FloatTop(), 60, 4);
  EXPECT_EQ(bar.FloatLeft(), bar.WindowRect().left);
  EXPECT_EQ(bar.FloatTop(), bar.WindowRect().top);
  EXPECT_EQ(bar.Style(gwlStyle) & (wsSysMenu | wsMinimizeBox | wsMaximizeBox), wsSysMenu);
  EXPECT_EQ(bar.Style(gwlExStyle), wsExToolWindow);
  bar.SetSlideTime(300);
  EXPECT_EQ(bar.AutoHideTimer()->interval(), 300);
}

TEST_F(AppBarTest, DockRectKeepsTheDockedThicknessAtEachEdge) {
  struct Case {
    TAppBarEdge edge;
    bool autoHide;
    TRect expected;
  };
  const Case cases[] = {
      {abeLeft, false, {0, 0, 104, 768}}, {abeRight, false, {920, 0, 1024, 768}},
      {abeTop, false, {0, 0, 1024, 30}},  {abeBottom, false, {0, 738, 1024, 768}},
      {abeLeft, true, {0, 0, 104, 768}},  {abeBottom, true, {0, 738, 1024, 768}},
      {abeFloat, false, {1, 2, 3, 4}},
  };
  TAppBar& bar = MakeBar();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge << " autoHide " << c.autoHide);
    bar.SetAutoHide(c.autoHide);
    shell_->ClearCalls();
    TRect r{1, 2, 3, 4};
    bar.DockRect(c.edge, r);
    EXPECT_EQ(r, c.expected);
    // An auto-hidden bar reserves nothing and so does not ask.
    const bool asked = !shell_->Calls().empty();
    EXPECT_EQ(asked, !c.autoHide && c.edge != abeFloat);
  }
}

TEST_F(AppBarTest, PlaceAtEdgeTakesItsStepsInOrder) {
  TAppBar& bar = MakeBar();
  const std::string id = Id(bar);
  const auto getAutoHide = [] {
    return std::vector<std::string>{"getautohidebar 0 0", "getautohidebar 1 0",
                                    "getautohidebar 2 0", "getautohidebar 3 0"};
  };

  shell_->ClearCalls();
  bar.PlaceAtEdge(abeLeft);
  std::vector<std::string> expected = getAutoHide();
  expected.insert(expected.end(),
                  {"querypos " + id + " 0 0,0,1024,768", "setpos " + id + " 0 0,0,104,768",
                   "zorder " + id + " topmost", "activate " + id, "caption " + id + " 0",
                   "taskentry " + id + " 0"});
  EXPECT_EQ(shell_->Calls(), expected);
  EXPECT_EQ(bar.WindowRect(), TRect(0, 0, 104, 768));

  // Auto-hide: the edge's place is given up first and claimed again; the
  // bar reserves nothing and is placed slid out.
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeLeft);
  shell_->ClearCalls();
  bar.PlaceAtEdge(abeRight);
  expected = {"getautohidebar 0 " + id,        "setautohidebar " + id + " 0 0",
              "setautohidebar " + id + " 2 1", "setpos " + id + " 0 0,0,0,0",
              "zorder " + id + " topmost",     "activate " + id,
              "taskentry " + id + " 0"};
  EXPECT_EQ(shell_->Calls(), expected);
  EXPECT_EQ(bar.WindowRect(), TRect(1022, 0, 1126, 768));

  shell_->ClearCalls();
  bar.SetAutoHide(false);
  bar.PlaceAtEdge(abeFloat);
  expected = {"getautohidebar 0 0",
              "getautohidebar 1 0",
              "getautohidebar 2 " + id,
              "setautohidebar " + id + " 2 0",
              "setpos " + id + " 5 0,0,0,0",
              "zorder " + id + " topmost",
              "activate " + id,
              "caption " + id + " 1",
              "taskentry " + id + " 1"};
  EXPECT_EQ(shell_->Calls(), expected);
  EXPECT_EQ(bar.WindowRect(),
            TRect(bar.FloatLeft(), bar.FloatTop(), bar.FloatRight(), bar.FloatBottom()));

  shell_->ClearCalls();
  bar.PlaceAtEdge(abeUnknown);
  expected = getAutoHide();
  expected.insert(expected.end(), {"remove " + id, "zorder " + id + " topmost", "activate " + id,
                                   "caption " + id + " 0"});
  EXPECT_EQ(shell_->Calls(), expected);
  EXPECT_FALSE(shell_->IsRegistered(bar.Handle()));
}

TEST_F(AppBarTest, SecondAutoHideBarOnAnEdgeIsRefusedAndDocksWithoutAutoHide) {
  TAppBar& first = MakeBar();
  first.SetAutoHide(true);
  first.PlaceAtEdge(abeLeft);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(shell_->GetAutoHideBar(abeLeft), first.Handle());

  TAppBar& second = MakeBar(60);
  second.SetAutoHide(true);
  second.PlaceAtEdge(abeLeft);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0],
            "There is already an auto hidden window on this edge.\n\r"
            "Only one auto hidden window is allowed on each edge.");
  EXPECT_EQ(icons_[0], QMessageBox::Information);
  EXPECT_FALSE(second.AutoHide());
  EXPECT_EQ(second.Edge(), abeLeft);
  EXPECT_EQ(ShellBar(second).reserved, TRect(0, 0, 60, 768));
  EXPECT_EQ(second.WindowRect(), TRect(0, 0, 60, 768));
  EXPECT_EQ(shell_->GetAutoHideBar(abeLeft), first.Handle());

  // Another edge is free.
  second.SetAutoHide(true);
  second.PlaceAtEdge(abeRight);
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(second.AutoHide());
}

// A message box runs the event loop; the placement the bar posts to itself
// at creation must not settle a half-placed window in the middle of it.
TEST_F(AppBarTest, RefusalWhileTheBarIsCreatedKeepsTheDockedThickness) {
  shell_->SetForeignAutoHideBar(abeLeft, 4242);
  SetModalAnswer([](QDialog&) {
    QCoreApplication::processEvents();
    return int(QMessageBox::Ok);
  });
  TAppBar bar;
  bar.SetVertDockSize(104);
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeLeft);
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar.AutoHide());
  EXPECT_EQ(bar.VertDockSize(), 104);
  EXPECT_EQ(bar.WindowRect(), TRect(0, 0, 104, 768));
}

TEST_F(AppBarTest, AutoHidePlaceHeldByAnotherProgramIsRefused) {
  shell_->SetForeignAutoHideBar(abeRight, 4242);
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeRight);
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_FALSE(bar.AutoHide());
  EXPECT_EQ(ShellBar(bar).reserved, TRect(920, 0, 1024, 768));
}

TEST_F(AppBarTest, FullScreenApplicationPutsAnAlwaysOnTopBarBelowAndBack) {
  TAppBar& onTop = MakeBar();
  onTop.PlaceAtEdge(abeLeft);
  TAppBar& normal = MakeBar();
  normal.SetAlwaysOnTop(false);
  normal.PlaceAtEdge(abeRight);
  EXPECT_EQ(ShellBar(onTop).zOrder, ToolbarZOrder::TopMost);

  shell_->Notify(platform::ToolbarFullScreenApp, true);
  EXPECT_TRUE(onTop.FullScreenApp());
  EXPECT_EQ(ShellBar(onTop).zOrder, ToolbarZOrder::Bottom);
  EXPECT_EQ(ShellBar(normal).zOrder, ToolbarZOrder::NotTopMost);

  shell_->Notify(platform::ToolbarFullScreenApp, false);
  EXPECT_FALSE(onTop.FullScreenApp());
  EXPECT_EQ(ShellBar(onTop).zOrder, ToolbarZOrder::TopMost);
  EXPECT_EQ(ShellBar(normal).zOrder, ToolbarZOrder::NotTopMost);
}

TEST_F(AppBarTest, PositionChangedReplacesOnlyADockedBarThatReservesSpace) {
  struct Case {
    TAppBarEdge edge;
    bool autoHide;
    bool replaced;
  };
  const Case cases[] = {{abeLeft, false, true}, {abeLeft, true, false}, {abeFloat, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edge " << c.edge << " autoHide " << c.autoHide);
    TAppBar& bar = MakeBar();
    bar.SetAutoHide(c.autoHide);
    bar.PlaceAtEdge(c.edge);
    shell_->ClearCalls();
    shell_->Notify(platform::ToolbarPositionChanged);
    shell_->Notify(platform::ToolbarWindowsArranged, true);
    const auto& calls = shell_->Calls();
    const bool replaced =
        std::find(calls.begin(), calls.end(), "activate " + Id(bar)) != calls.end();
    EXPECT_EQ(replaced, c.replaced);
    bars_.clear();
  }
}

TEST_F(AppBarTest, TwoBarsOnOneEdgeStandSideBySideAndCloseUpWhenOneGoes) {
  TAppBar& outer = MakeBar(50);
  outer.PlaceAtEdge(abeLeft);
  TAppBar& inner = MakeBar(104);
  inner.PlaceAtEdge(abeLeft);
  EXPECT_EQ(outer.WindowRect(), TRect(0, 0, 50, 768));
  EXPECT_EQ(inner.WindowRect(), TRect(50, 0, 154, 768));
  EXPECT_EQ(shell_->WorkArea(), TRect(154, 0, 1024, 768));

  // The earlier bar keeps the outer place when it is placed again.
  outer.RefreshPlacement();
  EXPECT_EQ(outer.WindowRect(), TRect(0, 0, 50, 768));

  const platform::WindowId innerId = inner.Handle();
  bars_.erase(bars_.begin());
  QCoreApplication::processEvents();
  EXPECT_EQ(shell_->WorkArea(), TRect(104, 0, 1024, 768));
  EXPECT_EQ(shell_->Find(innerId)->reserved, TRect(0, 0, 104, 768));
}

TEST_F(AppBarTest, DestructionUnregistersTheBarAndFreesItsAutoHidePlace) {
  TAppBar& bar = MakeBar();
  bar.SetAutoHide(true);
  bar.PlaceAtEdge(abeTop);
  const platform::WindowId id = bar.Handle();
  ASSERT_EQ(shell_->GetAutoHideBar(abeTop), id);
  bars_.clear();
  EXPECT_FALSE(shell_->IsRegistered(id));
  EXPECT_EQ(shell_->GetAutoHideBar(abeTop), 0u);
}

TEST_F(AppBarTest, ANewNativeWindowIsRegisteredInPlaceOfTheOld) {
  TAppBar& bar = MakeBar();
  bar.PlaceAtEdge(abeRight);
  const platform::WindowId old = bar.Handle();
  bar.windowHandle()->destroy();
  bar.windowHandle()->create();
  const platform::WindowId now = bar.windowHandle()->winId();
  ASSERT_NE(now, old);
  EXPECT_EQ(bar.Handle(), now);
  EXPECT_FALSE(shell_->IsRegistered(old));
  ASSERT_TRUE(shell_->IsRegistered(now));
  EXPECT_EQ(shell_->Find(now)->reserved, TRect(920, 0, 1024, 768));
}

TEST_F(AppBarTest, TaskEntryFollowsTheRule) {
  struct Case {
    TAppBarTaskEntry entry;
    TAppBarEdge edge;
    bool shown;
  };
  const Case cases[] = {
      {abtShow, abeLeft, true},
      {abtShow, abeFloat, true},
      {abtHide, abeLeft, false},
      {abtHide, abeFloat, false},
      {abtFloatDependent, abeLeft, false},
      {abtFloatDependent, abeFloat, true},
  };
  TAppBar& bar = MakeBar();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "entry " << c.entry << " edge " << c.edge);
    bar.SetTaskEntry(c.entry);
    bar.PlaceAtEdge(c.edge);
    EXPECT_EQ(ShellBar(bar).taskEntry, c.shown);
  }
  // Unregistering leaves the entry as it was.
  bar.SetTaskEntry(abtFloatDependent);
  shell_->ClearCalls();
  bar.PlaceAtEdge(abeUnknown);
  for (const std::string& call : shell_->Calls())
    EXPECT_EQ(call.rfind("taskentry", 0), std::string::npos);
}

}  // namespace
}  // namespace tolvex
