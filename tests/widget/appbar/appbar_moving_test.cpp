// TAppBar with the mouse on the simulated desktop: the edge a point
// proposes, moving between edges and into floating, the end of a move,
// sizing steps and the hit test.
#include <QLabel>
#include <QTest>

#include "widget/appbar/appbar_test_fixture.h"

namespace tolvex {
namespace {

using platform::Key;

TEST_F(AppBarTest, EdgeFromPoint) {
  const TAppBarFlags all =
      abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom | abfAllowFloat;
  const TAppBarFlags docks = abfAllowLeft | abfAllowTop | abfAllowRight | abfAllowBottom;
  const TAppBarFlags sides = abfAllowLeft | abfAllowRight;
  struct Case {
    const char* name;
    TAppBarFlags flags;
    TPoint point;
    TAppBarEdge expected;
  };
  const Case cases[] = {
      {"centre floats", all, {512, 384}, abeFloat},
      {"just inside the scroll-bar margin floats", all, {17, 384}, abeFloat},
      {"left margin", all, {16, 384}, abeLeft},
      {"right margin", all, {1007, 384}, abeRight},
      {"top margin", all, {512, 16}, abeTop},
      {"bottom margin", all, {512, 751}, abeBottom},
      {"top-left diagonal goes left", all, {0, 0}, abeLeft},
      {"diagonal near the centre goes right", docks, {516, 387}, abeRight},
      {"diagonal above left of the centre goes left", docks, {508, 381}, abeLeft},
      {"just off the diagonal goes to the bottom", docks, {516, 388}, abeBottom},
      {"no edge allowed floats anywhere", abfAllowFloat, {0, 384}, abeFloat},
      {"top not allowed floats", sides | abfAllowFloat, {512, 5}, abeFloat},
      {"neither top nor floating keeps the edge", sides, {512, 5}, abeRight},
      {"neither bottom nor floating keeps the edge", sides, {512, 760}, abeRight},
      {"sides only still reach the sides", sides, {5, 384}, abeLeft},
  };
  TAppBar& bar = MakeBar();
  bar.PlaceAtEdge(abeRight);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(bar.EdgeFromPoint(c.flags, c.point), c.expected);
  }
}

TEST_F(AppBarTest, ControlProposesFloatingOnlyWhenTheBarMayFloat) {
  TAppBar& bar = MakeBar();
  desktop_->SetKeyDown(Key::Control, true);
  EXPECT_EQ(bar.ProposedEdgeAt({2, 384}), abeFloat);
  bar.SetFlags(abfAllowLeft | abfAllowRight);
  EXPECT_EQ(bar.ProposedEdgeAt({2, 384}), abeLeft);
}

TEST_F(AppBarTest, MovingBetweenEdgesAndIntoFloating) {
  TAppBar& bar = MakeBar();
  bar.SetFloatLeft(300);
  bar.SetFloatTop(300);
  bar.SetFloatRight(400);
  bar.SetFloatBottom(500);
  bar.PlaceAtEdge(abeLeft);
  bar.EnterSizeMove();
  EXPECT_EQ(bar.MovingEdge(), abeLeft);

  // Over the right edge the proposal is the right dock, and everything that
  // asks for the edge sees the proposal until the move ends.
  desktop_->SetCursorPos({1010, 384});
  TRect r = bar.WindowRect();
  bar.Moving(r);
  EXPECT_EQ(r, TRect(920, 0, 1024, 768));
  EXPECT_EQ(bar.Edge(), abeRight);

  // Into the open: the floating rectangle hangs from the cursor, centred.
  desktop_->SetCursorPos({500, 300});
  bar.Moving(r);
  EXPECT_EQ(r, TRect(450, 300, 550, 500));
  EXPECT_EQ(bar.MovingEdge(), abeFloat);
  EXPECT_TRUE(ShellBar(bar).caption);
  // Further moves keep the rectangle the platform proposes.
  TRect next{460, 310, 560, 510};
  desktop_->SetCursorPos({510, 310});
  bar.Moving(next);
  EXPECT_EQ(next, TRect(460, 310, 560, 510));
  bar.SetWindowRect(next);

  bar.ExitSizeMove();
  EXPECT_EQ(bar.MovingEdge(), abeUnknown);
  EXPECT_EQ(bar.Edge(), abeFloat);
  EXPECT_EQ(TRect(bar.FloatLeft(), bar.FloatTop(), bar.FloatRight(), bar.FloatBottom()), next);
  EXPECT_EQ(bar.WindowRect(), next);
  EXPECT_EQ(ShellBar(bar).reserved, TRect());
}

TEST_F(AppBarTest, WithoutFullWindowDraggingTheCaptionChangesWhenTheMoveEnds) {
  desktop_->SetFullWindowDrag(false);
  TAppBar& bar = MakeBar();
  bar.PlaceAtEdge(abeLeft);
  bar.EnterSizeMove();
  desktop_->SetCursorPos({500, 300});
  TRect r = bar.WindowRect();
  bar.Moving(r);
  EXPECT_FALSE(ShellBar(bar).caption);
  bar.SetWindowRect(r);
  bar.ExitSizeMove();
  EXPECT_TRUE(ShellBar(bar).caption);
}

TEST_F(AppBarTest, ExitSizeMoveRules) {
  struct Case {
    const char* name;
    TAppBarEdge from;
    TAppBarEdge to;
    TRect window;  // where the move left the window
    int vertDockSize;
    TRect floatRect;
  };
  const TRect initialFloat{300, 300, 400, 500};
  const Case cases[] = {
      {"same edge keeps the new thickness", abeLeft, abeLeft, {0, 0, 150, 768}, 150, initialFloat},
      {"other edge keeps the old thickness",
       abeLeft,
       abeRight,
       {0, 0, 150, 768},
       104,
       initialFloat},
      {"leaving an edge takes the window's rectangle",
       abeLeft,
       abeFloat,
       {10, 20, 90, 220},
       104,
       {10, 20, 90, 220}},
      {"leaving an edge as tall as the work area keeps the floating size",
       abeLeft,
       abeFloat,
       {10, 0, 114, 768},
       104,
       {10, 0, 110, 200}},
      {"floating to floating takes the window's rectangle",
       abeFloat,
       abeFloat,
       {10, 0, 1024, 768},
       104,
       {10, 0, 1024, 768}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAppBar& bar = MakeBar();
    bar.SetFloatLeft(initialFloat.left);
    bar.SetFloatTop(initialFloat.top);
    bar.SetFloatRight(initialFloat.right);
    bar.SetFloatBottom(initialFloat.bottom);
    bar.PlaceAtEdge(c.from);
    bar.EnterSizeMove();
    desktop_->SetCursorPos(c.to == abeLeft    ? TPoint{5, 384}
                           : c.to == abeRight ? TPoint{1019, 384}
                                              : TPoint{500, 300});
    TRect ignored = bar.WindowRect();
    bar.Moving(ignored);
    bar.SetWindowRect(c.window);
    bar.ExitSizeMove();
    EXPECT_EQ(bar.Edge(), c.to);
    EXPECT_EQ(bar.VertDockSize(), c.vertDockSize);
    EXPECT_EQ(TRect(bar.FloatLeft(), bar.FloatTop(), bar.FloatRight(), bar.FloatBottom()),
              c.floatRect);
    bars_.clear();
  }
}

TEST_F(AppBarTest, SizingSnapsToTheNearestStep) {
  struct Case {
    const char* name;
    TAppBarEdge edge;
    int horzInc;
    int vertInc;
    TSizingSide side;
    TRect in;
    TRect out;
  };
  const Case cases[] = {
      {"rounds down", abeLeft, 10, 1, wmszRight, {0, 0, 104, 768}, {0, 0, 100, 768}},
      {"rounds up from half a step", abeLeft, 10, 1, wmszRight, {0, 0, 105, 768}, {0, 0, 110, 768}},
      {"step 0 keeps the width", abeLeft, 0, 0, wmszRight, {0, 0, 107, 768}, {0, 0, 107, 768}},
      {"left side moves the left edge",
       abeRight,
       10,
       1,
       wmszLeft,
       {917, 0, 1024, 768},
       {914, 0, 1024, 768}},
      {"floating counts from the minimum size",
       abeFloat,
       20,
       8,
       wmszTopLeft,
       {100, 100, 175, 113},
       {105, 97, 175, 113}},
      {"bottom-right corner",
       abeFloat,
       20,
       8,
       wmszBottomRight,
       {100, 100, 175, 113},
       {100, 100, 170, 116}},
      {"top-right corner",
       abeFloat,
       20,
       8,
       wmszTopRight,
       {100, 100, 175, 113},
       {100, 97, 170, 113}},
      {"bottom-left corner",
       abeFloat,
       20,
       8,
       wmszBottomLeft,
       {100, 100, 175, 113},
       {105, 100, 175, 116}},
      {"top side", abeTop, 1, 8, wmszTop, {0, 0, 1024, 29}, {0, -3, 1024, 29}},
      {"bottom side", abeTop, 1, 8, wmszBottom, {0, 0, 1024, 29}, {0, 0, 1024, 32}},
  };
  TAppBar& bar = MakeBar();
  bar.SetMinWidth(50);
  bar.SetMinHeight(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bar.PlaceAtEdge(c.edge);
    bar.SetHorzSizeInc(c.horzInc);
    bar.SetVertSizeInc(c.vertInc);
    TRect r = c.in;
    bar.Sizing(c.side, r);
    EXPECT_EQ(r, c.out);
  }
}

TEST_F(AppBarTest, TrackingSizeLimits) {
  TAppBar& bar = MakeBar();
  bar.SetMinWidth(20);
  bar.SetMinHeight(30);
  bar.SetMaxWidth(300);
  bar.SetMaxHeight(400);
  bar.SetMinVertDockSize(40);
  bar.SetMinHorzDockSize(50);
  bar.SetMaxVertDockSize(200);
  bar.SetMaxHorzDockSize(100);
  struct Case {
    TAppBarEdge edge;
    int minWidth, minHeight, maxWidth, maxHeight;
  };
  const Case cases[] = {
      {abeFloat, 20, 30, 300, 400}, {abeLeft, 40, 50, 200, 768}, {abeTop, 40, 50, 1024, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edge);
    bar.PlaceAtEdge(c.edge);
    int minWidth, minHeight, maxWidth, maxHeight;
    bar.MinMaxTrackingSize(minWidth, minHeight, maxWidth, maxHeight);
    EXPECT_EQ(minWidth, c.minWidth);
    EXPECT_EQ(minHeight, c.minHeight);
    EXPECT_EQ(maxWidth, c.maxWidth);
    EXPECT_EQ(maxHeight, c.maxHeight);
  }
}

TEST_F(AppBarTest, HitTest) {
  struct Case {
    const char* name;
    TAppBarEdge edge;
    int horzInc;
    int vertInc;
    bool buttonDown;
    TPoint point;
    int h;
    int expected;
  };
  const Case cases[] = {
      {"empty spot drags", abeLeft, 0, 0, true, {50, 400}, htClient, htCaption},
      {"no button, no drag", abeLeft, 0, 0, false, {50, 400}, htClient, htClient},
      {"a child keeps its spot", abeLeft, 0, 0, true, {20, 20}, htClient, htClient},
      {"docked inner side sizes", abeLeft, 1, 1, true, {102, 400}, htRight, htRight},
      {"docked outer side is a border", abeLeft, 1, 1, true, {1, 400}, htLeft, htBorder},
      {"docked corner right of the client sizes",
       abeLeft,
       1,
       1,
       true,
       {102, 1},
       htTopRight,
       htRight},
      {"docked corner on the outer side", abeLeft, 1, 1, true, {1, 1}, htTopLeft, htBorder},
      {"docked without width step", abeLeft, 0, 1, true, {102, 400}, htRight, htBorder},
      {"right bar inner side", abeRight, 1, 1, true, {921, 400}, htLeft, htLeft},
      {"top bar inner side", abeTop, 1, 1, true, {500, 28}, htBottom, htBottom},
      {"top bar without height step", abeTop, 1, 0, true, {500, 28}, htBottom, htBorder},
      {"floating side with step", abeFloat, 1, 1, true, {0, 0}, htLeft, htLeft},
      {"floating side without step", abeFloat, 0, 1, true, {0, 0}, htRight, htBorder},
      {"floating top without step", abeFloat, 1, 0, true, {0, 0}, htTop, htBorder},
      {"corner without any step", abeFloat, 0, 0, true, {0, 0}, htTopLeft, htBorder},
      {"corner without width step sizes vertically",
       abeFloat,
       0,
       1,
       true,
       {0, 0},
       htBottomRight,
       htBottom},
      {"corner without height step sizes horizontally",
       abeFloat,
       1,
       0,
       true,
       {0, 0},
       htTopRight,
       htRight},
  };
  TAppBar& bar = MakeBar();
  auto* child = new QLabel("child", &bar);
  child->setGeometry(10, 10, 40, 20);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bar.PlaceAtEdge(c.edge);
    bar.SetHorzSizeInc(c.horzInc);
    bar.SetVertSizeInc(c.vertInc);
    desktop_->SetKeyDown(Key::LeftButton, c.buttonDown);
    EXPECT_EQ(bar.HitTest(c.point, c.h), c.expected);
  }
}

// The bar runs drags itself: the window manager moves no docked bar.
TEST_F(AppBarTest, MouseDragsADockedBarToTheOtherEdgeAndSizesItAtItsInnerSide) {
  TAppBar& bar = MakeBar();
  bar.SetHorzSizeInc(10);
  bar.PlaceAtEdge(abeLeft);
  bar.show();
  desktop_->SetKeyDown(Key::LeftButton, true);
  const QPoint client = bar.geometry().topLeft();
  auto local = [&](int x, int y) { return QPoint(x, y) - client; };

  // The inner side sizes the bar in steps of 10: 104 + 24 comes to 130.
  QTest::mousePress(&bar, Qt::LeftButton, {}, local(102, 400));
  QTest::mouseMove(&bar, local(126, 400));
  EXPECT_EQ(bar.WindowRect(), TRect(0, 0, 130, 768));
  desktop_->SetKeyDown(Key::LeftButton, false);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, local(126, 400));
  EXPECT_EQ(bar.VertDockSize(), 130);
  EXPECT_EQ(ShellBar(bar).reserved, TRect(0, 0, 130, 768));

  // An empty spot moves it; over the right edge it docks there.
  desktop_->SetKeyDown(Key::LeftButton, true);
  QTest::mousePress(&bar, Qt::LeftButton, {}, local(50, 400));
  desktop_->SetCursorPos({1010, 400});
  QTest::mouseMove(&bar, local(1010, 400));
  EXPECT_EQ(bar.Edge(), abeRight);
  desktop_->SetKeyDown(Key::LeftButton, false);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.mapFromGlobal(QPoint(1010, 400)));
  EXPECT_EQ(bar.MovingEdge(), abeUnknown);
  EXPECT_EQ(bar.Edge(), abeRight);
  EXPECT_EQ(ShellBar(bar).reserved, TRect(894, 0, 1024, 768));
}

// A floating bar the program moves (to the screen's edge, say) is not a
// bar the user dropped there, wherever the cursor is.
TEST_F(AppBarTest, AMoveByTheProgramDoesNotDockAFloatingBar) {
  TAppBar& bar = MakeBar();
  bar.PlaceAtEdge(abeFloat);
  bar.show();
  desktop_->SetCursorPos({5, 100});
  bar.move(0, 50);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(bar.Edge(), abeFloat);
  EXPECT_EQ(ShellBar(bar).reserved, TRect());
}

}  // namespace
}  // namespace tolvex
