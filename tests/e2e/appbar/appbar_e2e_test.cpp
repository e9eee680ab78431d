// TAppBar on a private X display with openbox: what the bar reserves, how it
// floats, hides, slides and is dragged, checked with xprop, xwininfo and
// xdotool as another program would see it. Each bar runs in a program of
// its own (appbar_window) on the display, with the toolbar and desktop
// services native and everything else simulated.
#include "e2e/appbar/appbar_e2e_fixture.h"

namespace tolvex {
namespace {

TEST_F(AppBarE2E, DockedLeftAndRightReserveExactlyTheirWidth) {
  BarProcess client(display_, {"--client", "--label", "Client"});
  BarProcess bar(display_, {"--edge", "left", "--size", "104"});
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT_PARTIAL"),
            (std::vector<long>{104, 0, 0, 0, 0, 767, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT"), (std::vector<long>{104, 0, 0, 0}));
  EXPECT_TRUE(Text(bar.Id(), "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_DOCK"));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_DESKTOP"), std::vector<long>{4294967295});
  const QString state = Text(bar.Id(), "_NET_WM_STATE");
  EXPECT_TRUE(state.contains("_NET_WM_STATE_SKIP_TASKBAR")) << state.toStdString();
  EXPECT_TRUE(state.contains("_NET_WM_STATE_ABOVE")) << state.toStdString();
  EXPECT_TRUE(WaitFor([&] { return Geometry(bar.Id()) == std::vector<long>{0, 0, 104, 768}; }));
  // The maximised window of the other program leaves the strip free.
  EXPECT_TRUE(WaitFor([&] { return Geometry(client.Id())[0] >= 104; }));
  Screenshot("docked_left");

  bar.Send("edge right");
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{0, 0, 920, 768}; }));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT_PARTIAL"),
            (std::vector<long>{0, 104, 0, 0, 0, 0, 0, 767, 0, 0, 0, 0}));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT"), (std::vector<long>{0, 104, 0, 0}));
  EXPECT_TRUE(WaitFor([&] { return Geometry(bar.Id()) == std::vector<long>{920, 0, 104, 768}; }));
  EXPECT_TRUE(WaitFor([&] {
    const std::vector<long> g = Geometry(client.Id());
    return g[0] < 104 && g[0] + g[2] <= 920;
  }));
  Screenshot("docked_right");
}

// Struts count device pixels from the edges of the whole X screen.
TEST_F(AppBarE2E, StrutsAreScaledByTheDevicePixelRatio) {
  BarProcess bar(display_, {"--edge", "right", "--size", "52"}, true, "2");
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{0, 0, 920, 768}; }));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT_PARTIAL"),
            (std::vector<long>{0, 104, 0, 0, 0, 0, 0, 767, 0, 0, 0, 0}));
  EXPECT_TRUE(bar.State().startsWith("edge=2 rect=460,0,512,384"));
}

TEST_F(AppBarE2E, FloatingShowsACaptionAndReservesNothing) {
  BarProcess bar(display_, {"--edge", "float", "--float", "300,200,104,300"});
  ASSERT_TRUE(WaitFor([&] { return Property(bar.Id(), "_NET_FRAME_EXTENTS").size() == 4; }));
  const std::vector<long> frame = Property(bar.Id(), "_NET_FRAME_EXTENTS");
  EXPECT_GT(frame[2], 0) << "no caption";
  EXPECT_TRUE(Text(bar.Id(), "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_NORMAL"));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT_PARTIAL"), std::vector<long>(12, 0));
  EXPECT_EQ(WorkArea(), (std::vector<long>{0, 0, 1024, 768}));
  // The floating rectangle is the outer one, caption included.
  const std::vector<long> g = Geometry(bar.Id());
  EXPECT_EQ(g[0] - frame[0], 300);
  EXPECT_EQ(g[1] - frame[2], 200);
  EXPECT_EQ(g[2] + frame[0] + frame[1], 104);
  EXPECT_EQ(g[3] + frame[2] + frame[3], 300);
  // Floating, the bar has its task-list entry.
  EXPECT_FALSE(Text(bar.Id(), "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));
  Screenshot("floating");
}

TEST_F(AppBarE2E, AutoHideSlidesOutToTheSliverAndBackIn) {
  BarProcess bar(display_, {"--edge", "left", "--autohide"});
  ASSERT_TRUE(
      WaitFor([&] { return bar.State().contains("rect=-102,0,2,768 autohide=1 shown=0"); }));
  EXPECT_EQ(Property(bar.Id(), "_NET_WM_STRUT_PARTIAL"), std::vector<long>(12, 0));
  EXPECT_EQ(WorkArea(), (std::vector<long>{0, 0, 1024, 768}));
  // The sliver is drawn in the highlight colour the test window sets.
  QString pixel;
  EXPECT_TRUE(WaitFor([&] {
    pixel = display_.Run("import", {"-window", "root", "-crop", "1x1+1+400", "txt:-"});
    return pixel.contains("srgb(255,160,0)");
  })) << pixel.toStdString();
  Screenshot("auto_hidden");

  display_.Run("xdotool", {"mousemove", "1", "400"});
  ASSERT_TRUE(WaitFor([&] { return bar.State().contains("rect=0,0,104,768 autohide=1 shown=1"); }));
  Screenshot("slid_in");
  display_.Run("xdotool", {"mousemove", "600", "400"});
  EXPECT_TRUE(
      WaitFor([&] { return bar.State().contains("rect=-102,0,2,768 autohide=1 shown=0"); }));
}

TEST_F(AppBarE2E, DragFromTheLeftEdgeToTheRightAndIntoFloating) {
  BarProcess bar(display_, {"--edge", "left", "--float", "300,200,104,300"});
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
  Drag({{50, 400}, {200, 400}, {500, 400}, {800, 400}, {1000, 400}, {1015, 400}});
  ASSERT_TRUE(WaitFor([&] { return bar.State().startsWith("edge=2 rect=920,0,1024,768"); }));
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{0, 0, 920, 768}; }));

  Drag({{970, 400}, {900, 380}, {700, 350}, {500, 300}});
  ASSERT_TRUE(WaitFor([&] { return bar.State().startsWith("edge=5 rect=448,300,552,600"); }));
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{0, 0, 1024, 768}; }));
  EXPECT_TRUE(WaitFor([&] {
    return Text(bar.Id(), "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_NORMAL") &&
           Property(bar.Id(), "_NET_FRAME_EXTENTS").size() == 4;
  }));
  Screenshot("dragged_floating");

  // The window manager moves the floating bar by its caption; at the left
  // edge it docks again.
  const std::vector<long> g = Geometry(bar.Id());
  Drag({{int(g[0]) + 30, int(g[1]) - 8}, {300, 300}, {100, 300}, {3, 300}});
  EXPECT_TRUE(WaitFor([&] { return bar.State().startsWith("edge=0 rect=0,0,104,768"); }));
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
}

TEST_F(AppBarE2E, ControlDragFloatsEvenAtTheEdge) {
  BarProcess bar(display_, {"--edge", "left", "--float", "300,200,104,300"});
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
  // The window manager reserves the strip before the bar has placed itself:
  // the drag waits for the bar's own word that it stands docked.
  ASSERT_TRUE(WaitFor([&] { return bar.State().startsWith("edge=0 rect=0,0,104,768"); }))
      << bar.State().toStdString();
  // While the window manager moves the bar, the bar reads Control's state
  // as it handles each move: the key is let go a moment after the drop, as
  // a user lets it go, so that a busy machine has handled the moves.
  display_.Run("xdotool", {"keydown", "ctrl"});
  Drag({{50, 400}, {40, 380}, {20, 350}, {10, 300}});
  QTest::qWait(1000);
  display_.Run("xdotool", {"keyup", "ctrl"});
  EXPECT_TRUE(WaitFor([&] { return bar.State().startsWith("edge=5 rect=-42,300,62,600"); }))
      << bar.State().toStdString();
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{0, 0, 1024, 768}; }));
}

TEST_F(AppBarE2E, TwoBarsOnOneEdgeStandSideBySide) {
  auto outer =
      std::make_unique<BarProcess>(display_, QStringList{"--edge", "left", "--size", "60"});
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{60, 0, 964, 768}; }));
  BarProcess inner(display_,
                   {"--edge", "left", "--size", "104", "--label", "Innen", "--color", "#3c8c50"});
  ASSERT_TRUE(WaitFor([&] { return inner.State().startsWith("edge=0 rect=60,0,164,768"); }));
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{164, 0, 860, 768}; }));
  EXPECT_TRUE(outer->State().startsWith("edge=0 rect=0,0,60,768"));
  EXPECT_EQ(Property(inner.Id(), "_NET_WM_STRUT_PARTIAL"),
            (std::vector<long>{164, 0, 0, 0, 0, 767, 0, 0, 0, 0, 0, 0}));
  // Both bars painted: the outer one's colour, then the inner one's.
  EXPECT_TRUE(WaitFor([&] {
    return display_.Run("import", {"-window", "root", "-crop", "1x1+30+400", "txt:-"})
               .contains("srgb(70,110,170)") &&
           display_.Run("import", {"-window", "root", "-crop", "1x1+110+400", "txt:-"})
               .contains("srgb(60,140,80)");
  }));
  Screenshot("side_by_side");

  // When the outer bar goes, the inner one takes its place.
  outer.reset();
  EXPECT_TRUE(WaitFor([&] { return inner.State().startsWith("edge=0 rect=0,0,104,768"); }));
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
}

TEST_F(AppBarE2E, SecondAutoHidingProgramOnAnEdgeIsRefused) {
  BarProcess first(display_, {"--edge", "left", "--autohide", "--label", "Erste"});
  ASSERT_TRUE(WaitFor([&] { return first.State().contains("autohide=1 shown=0"); }));
  BarProcess second(display_, {"--edge", "left", "--autohide", "--label", "Zweite"}, false);
  QString box;
  ASSERT_TRUE(WaitFor([&] {
    box = display_.Run("xdotool", {"search", "--onlyvisible", "--name", "^Zweite$"}).trimmed();
    return !box.isEmpty();
  }));
  Screenshot("auto_hide_refused");
  display_.Run("xdotool", {"windowactivate", "--sync", box, "key", "Return"});
  second.WaitForWindow();
  ASSERT_FALSE(second.Id().isEmpty());
  EXPECT_TRUE(WaitFor([&] {
    return second.State().startsWith("edge=0 rect=0,0,104,768 autohide=0");
  })) << second.State().toStdString();
  EXPECT_TRUE(WaitFor([&] { return WorkArea() == std::vector<long>{104, 0, 920, 768}; }));
}

TEST_F(AppBarE2E, FullScreenWindowPutsTheBarBelowUntilItCloses) {
  BarProcess bar(display_, {"--edge", "right"});
  ASSERT_TRUE(
      WaitFor([&] { return Text(bar.Id(), "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"); }));
  auto fullScreen = std::make_unique<BarProcess>(
      display_, QStringList{"--client", "--fullscreen", "--label", "Vollbild"});
  EXPECT_TRUE(WaitFor([&] {
    const QString state = Text(bar.Id(), "_NET_WM_STATE");
    return state.contains("_NET_WM_STATE_BELOW") && !state.contains("_NET_WM_STATE_ABOVE");
  }));
  Screenshot("full_screen");
  fullScreen.reset();
  EXPECT_TRUE(WaitFor([&] {
    const QString state = Text(bar.Id(), "_NET_WM_STATE");
    return state.contains("_NET_WM_STATE_ABOVE") && !state.contains("_NET_WM_STATE_BELOW");
  }));
}

}  // namespace
}  // namespace tolvex
