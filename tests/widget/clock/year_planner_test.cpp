// The year planner: grid texts, geometry with and without the free space,
// hit test, cell colours, painting, the mouse selection in both styles, the
// year arrows and the hint window.
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include "planner_events.h"
#include "shared/calendar.h"
#include "snapins/clock/year_planner.h"
#include "snapins/clock/year_planner_hint.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

void SetOwnColour(TYearPlanner& planner, int month, int day, TColor color) {
  planner.CellData(month, day).color = color;
  planner.CellData(month, day).useOwnColor = true;
}

// A planner of the calendar window's size showing 2026.
class Planner : public ::testing::Test {
 protected:
  void SetUp() override {
    planner.resize(615, 282);
    planner.SetYear(2026);
    planner.show();
  }

  GermanSettings german;
  TYearPlanner planner;
};

TEST_F(Planner, GridTextsFollowTheYearAndTheFirstWeekday) {
  EXPECT_EQ(planner.CellText(0, 0), "2026");
  EXPECT_EQ(planner.CellText(1, 0), "M");
  EXPECT_EQ(planner.CellText(3, 0), "M");
  EXPECT_EQ(planner.CellText(6, 0), "S");
  EXPECT_EQ(planner.CellText(37, 0), "D");
  EXPECT_EQ(planner.CellText(0, 1), "Januar");
  EXPECT_EQ(planner.CellText(0, 9), "September");
  // 1 January 2026 is a Thursday, 1 February a Sunday, 1 June a Monday.
  EXPECT_EQ(planner.MonthOffset(1), 3);
  EXPECT_EQ(planner.CellText(4, 1), "1");
  EXPECT_EQ(planner.CellText(3, 1), "");
  EXPECT_EQ(planner.MonthOffset(2), 6);
  EXPECT_EQ(planner.CellText(7, 2), "1");
  EXPECT_EQ(planner.CellText(34, 2), "28");
  EXPECT_EQ(planner.CellText(35, 2), "");
  EXPECT_EQ(planner.MonthOffset(6), 0);
  EXPECT_EQ(planner.CellText(30, 6), "30");

  TYearPlannerOptions options = planner.Options();
  options.StartDayOfWeek = ypSunday;
  planner.SetOptions(options);
  EXPECT_EQ(planner.CellText(1, 0), "S");
  EXPECT_EQ(planner.CellText(2, 0), "M");
  EXPECT_EQ(planner.MonthOffset(2), 0);
  EXPECT_EQ(planner.CellText(1, 2), "1");
  EXPECT_TRUE(planner.IsWeekendColumn(1));
  EXPECT_TRUE(planner.IsWeekendColumn(7));
  EXPECT_FALSE(planner.IsWeekendColumn(6));
}

TEST_F(Planner, GeometryWithAndWithoutTheFreeSpace) {
  TPlannerGeometry g = planner.Geometry();
  EXPECT_EQ(g.columnWidth, 15);
  EXPECT_EQ(g.headingWidth, 60);
  EXPECT_EQ(g.rowHeight, 21);
  EXPECT_EQ(g.headingHeight, 30);
  // The arrows are as large as a scroll bar's, centred in the heading row.
  EXPECT_EQ(g.prevYear, QRect(1, 6, 17, 17));
  EXPECT_EQ(g.nextYear, QRect(42, 6, 17, 17));

  TYearPlannerOptions options = planner.Options();
  options.UseFreeSpace = false;
  planner.SetOptions(options);
  g = planner.Geometry();
  EXPECT_EQ(g.headingWidth, 60);
  EXPECT_EQ(g.headingHeight, 21);
  EXPECT_EQ(g.prevYear, QRect(1, 2, 17, 17));

  planner.resize(640, 300);
  g = planner.Geometry();
  EXPECT_EQ(g.headingWidth, 60);
  EXPECT_EQ(g.columnWidth, 15);
  options.UseFreeSpace = true;
  planner.SetOptions(options);
  g = planner.Geometry();
  EXPECT_EQ(g.headingWidth, 640 - 37 * 15);
  EXPECT_EQ(g.headingHeight, 300 - 12 * 23);
}

TEST_F(Planner, HitTestClampsToTheGrid) {
  struct Case {
    QPoint at;
    QPoint cell;
  };
  const Case cases[] = {
      {{0, 0}, {0, 0}},       {{59, 29}, {0, 0}}, {{60, 30}, {1, 1}},
      {{74, 50}, {1, 1}},     {{75, 51}, {2, 2}}, {{614, 281}, {37, 12}},
      {{900, 900}, {37, 12}}, {{-5, -5}, {0, 0}}, {{100, -1}, {3, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(planner.HitTest(c.at), c.cell) << c.at.x() << "," << c.at.y();
  // Narrower than the grid the planner still answers.
  planner.resize(20, 5);
  EXPECT_EQ(planner.HitTest(QPoint(30, 30)), QPoint(11, 12));
}

TEST_F(Planner, CellColoursInOrderOfPrecedence) {
  const TYearPlannerOptions& o = planner.Options();
  SetOwnColour(planner, 1, 1, 0x808000);
  planner.SetSelection(MakeDate(2026, 1, 2), MakeDate(2026, 1, 1));
  // 3 January 2026 is a Saturday; column 6 is a Saturday column.
  planner.CellData(1, 3).color = 0x123456;
  EXPECT_EQ(planner.CellColor(0, 0), o.YearColor);
  EXPECT_EQ(planner.CellColor(0, 5), o.MonthColor);
  EXPECT_EQ(planner.CellColor(1, 0), o.HeadingColor);
  EXPECT_EQ(planner.CellColor(6, 0), o.WeekendHeadingColor);
  EXPECT_EQ(planner.CellColor(4, 1), o.SelectionColor);  // selected beats own colour
  EXPECT_EQ(planner.CellColor(5, 1), o.SelectionColor);
  EXPECT_EQ(planner.CellColor(6, 1), o.WeekendColor);  // own colour not switched on
  EXPECT_EQ(planner.CellColor(8, 1), o.DayColor);
  EXPECT_EQ(planner.CellColor(1, 1), o.NoDayColor);
  EXPECT_EQ(planner.CellColor(6, 2), o.WeekendColor);  // no day, weekend column
  planner.SetSelection(MakeDate(2026, 3, 1), MakeDate(2026, 3, 1));
  EXPECT_EQ(planner.CellColor(4, 1), 0x808000);

  TYearPlannerOptions options = o;
  options.NoDayPriority = true;
  options.AllowSelections = false;
  planner.SetOptions(options);
  EXPECT_EQ(planner.CellColor(6, 2), options.NoDayColor);
  EXPECT_FALSE(planner.IsSelected(CellOf(planner, 3, 1).x(), 3));
}

TEST_F(Planner, PaintsColoursGridLinesAndTexts) {
  SetOwnColour(planner, 1, 1, 0x808000);
  planner.SetSelection(MakeDate(2026, 1, 14), MakeDate(2026, 1, 15));
  const QImage image = planner.grab().toImage();
  const TPlannerGeometry g = planner.Geometry();
  const auto corner = [&](int column, int row) {
    return image.pixelColor(g.CellRect(column, row).topLeft() + QPoint(2, 2));
  };
  EXPECT_EQ(corner(4, 1), QColor(0, 128, 128));    // own colour
  EXPECT_EQ(corner(8, 1), QColor(Qt::white));      // a working day
  EXPECT_EQ(corner(6, 1), QColor(128, 128, 128));  // a weekend day
  EXPECT_EQ(corner(1, 1), QColor(192, 192, 192));  // no day
  EXPECT_EQ(corner(17, 1), QColor(Qt::blue));      // selected
  // Grid lines one pixel before each boundary, black.
  EXPECT_EQ(image.pixelColor(59, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(59 + 15, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 29), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 29 + 21), QColor(Qt::black));
  // The day number is drawn inside its cell in the text colour.
  bool ink = false;
  const QRect eighth = g.CellRect(11, 1).adjusted(1, 1, -1, -1);
  for (int y = eighth.top(); y <= eighth.bottom(); ++y) {
    for (int x = eighth.left(); x <= eighth.right(); ++x) {
      ink = ink || image.pixelColor(x, y) == QColor(Qt::black);
    }
  }
  EXPECT_TRUE(ink);

  TYearPlannerOptions options = planner.Options();
  options.GridLines = false;
  options.DrawOffScreen = false;
  planner.SetOptions(options);
  const QImage plain = planner.grab().toImage();
  EXPECT_EQ(plain.pixelColor(59 + 8 * 15, 29 + 21), QColor(Qt::white));
}

TEST_F(Planner, FramesBorderAndEllipsis) {
  TYearPlannerOptions options = planner.Options();
  options.FlatCells = false;
  options.SoftBorder = true;
  options.GridLines = false;
  planner.SetOptions(options);
  const QImage framed = planner.grab().toImage();
  const QRect day = planner.Geometry().CellRect(8, 1);
  // A raised frame: light top-left, dark bottom-right; the border is sunken.
  EXPECT_EQ(framed.pixel(day.topLeft() + QPoint(3, 0)),
            planner.palette().color(QPalette::Light).rgb());
  EXPECT_EQ(framed.pixel(day.bottomRight() - QPoint(3, 0)),
            planner.palette().color(QPalette::Dark).rgb());
  EXPECT_NE(framed.pixelColor(0, 100), QColor(128, 128, 128));

  // A month name too wide for its cell overflows, or is cut with an ellipsis.
  // 1 September 2026 is a Tuesday: column 1 of its row is a silver cell.
  planner.resize(120, 282);
  const auto inkRightOfHeading = [&] {
    const QImage image = planner.grab().toImage();
    const int headingWidth = planner.Geometry().headingWidth;
    const QRect cell = planner.Geometry().CellRect(1, 9);
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
      for (int x = headingWidth; x < headingWidth + 2; ++x) {
        if (qGray(image.pixel(x, y)) > 230) return true;
      }
    }
    return false;
  };
  options.FlatCells = true;
  options.SoftBorder = false;
  planner.SetOptions(options);
  EXPECT_TRUE(inkRightOfHeading());
  options.EndEllipsis = true;
  planner.SetOptions(options);
  EXPECT_FALSE(inkRightOfHeading());
}

TEST_F(Planner, DraggingBackwardsOrdersTheDates) {
  QSignalSpy ends(&planner, &TYearPlanner::OnSelectionEnd);
  Drag(planner, CellOf(planner, 3, 3), CellOf(planner, 2, 27));
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 2, 27));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 3, 3));
  EXPECT_EQ(ends.count(), 1);
  EXPECT_TRUE(planner.IsSelected(CellOf(planner, 2, 28).x(), 2));
  EXPECT_TRUE(planner.IsSelected(CellOf(planner, 3, 1).x(), 3));
  EXPECT_FALSE(planner.IsSelected(CellOf(planner, 2, 26).x(), 2));
  // Backwards in one row.
  Drag(planner, CellOf(planner, 5, 20), CellOf(planner, 5, 11));
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 5, 11));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 5, 20));
}

TEST_F(Planner, DragsEndingOutsideTheDaysEndOnTheNearestDay) {
  // Into the empty cells before 1 February and after 28 February.
  Drag(planner, CellOf(planner, 4, 10), QPoint(2, 2));
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 2, 1));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 4, 10));
  Drag(planner, CellOf(planner, 1, 10), QPoint(36, 2));
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 1, 10));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 2, 28));
  // Onto the month names: the first day of the month.
  Drag(planner, CellOf(planner, 1, 10), QPoint(0, 7));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 7, 1));
}

TEST_F(Planner, PressOnTheYearCellOutsideTheArrowsSelectsTheFirstOfJanuary) {
  planner.SetSelection(MakeDate(2026, 6, 1), MakeDate(2026, 6, 5));
  QSignalSpy ends(&planner, &TYearPlanner::OnSelectionEnd);
  SendMouse(planner, QEvent::MouseButtonPress, QPoint(30, 2));
  EXPECT_EQ(planner.StartCell(), QPoint());
  SendMouse(planner, QEvent::MouseButtonRelease, QPoint(30, 2), Qt::NoButton);
  EXPECT_EQ(planner.Year(), 2026);
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 1, 1));
  EXPECT_EQ(planner.EndDate(), MakeDate(2026, 1, 1));
  EXPECT_EQ(ends.count(), 1);
}

TEST_F(Planner, RectangleSelectionTakesColumnsAndRows) {
  TYearPlannerOptions options = planner.Options();
  options.SelectionStyle = ypRectangle;
  planner.SetOptions(options);
  Drag(planner, QPoint(12, 5), QPoint(9, 3));
  EXPECT_EQ(planner.StartCell(), QPoint(9, 3));
  EXPECT_EQ(planner.EndCell(), QPoint(12, 5));
  EXPECT_TRUE(planner.IsSelected(10, 4));
  EXPECT_FALSE(planner.IsSelected(13, 4));
  EXPECT_FALSE(planner.IsSelected(10, 6));
  // March 2026 starts on a Sunday (offset 6): column 9 is 3 March.
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 3, 3));
  // A press on a heading starts a rectangle too.
  Drag(planner, QPoint(0, 2), QPoint(3, 2));
  EXPECT_EQ(planner.StartCell(), QPoint(0, 2));
  EXPECT_EQ(planner.StartDate(), MakeDate(2026, 2, 1));
}

TEST_F(Planner, ArrowsStepTheYearAndResetTheDays) {
  planner.CellData(1, 1).hint = QStringLiteral("old");
  std::vector<int> seen;
  QObject::connect(&planner, &TYearPlanner::OnYearChange, [&] { seen.push_back(-planner.Year()); });
  QObject::connect(&planner, &TYearPlanner::OnYearChanged, [&] { seen.push_back(planner.Year()); });
  const TPlannerGeometry g = planner.Geometry();
  SendMouse(planner, QEvent::MouseButtonPress, g.prevYear.center());
  EXPECT_EQ(planner.Year(), 2025);
  EXPECT_EQ(planner.CellText(0, 0), "2025");
  EXPECT_EQ(planner.CellData(1, 1).hint, "");
  EXPECT_EQ(planner.CellData(1, 1).date, MakeDate(2025, 1, 1));
  SendMouse(planner, QEvent::MouseButtonPress, g.nextYear.center());
  SendMouse(planner, QEvent::MouseButtonPress, g.nextYear.center());
  EXPECT_EQ(seen, (std::vector<int>{-2026, 2025, -2025, 2026, -2026, 2027}));
  // The same year again, and years a date cannot have, change nothing.
  for (int year : {2027, 0, 10000}) planner.SetYear(year);
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(planner.Year(), 2027);
  planner.SetYear(1);
  SendMouse(planner, QEvent::MouseButtonPress, g.prevYear.center());
  EXPECT_EQ(planner.Year(), 1);
}

TEST_F(Planner, HintShowsTheDayBelowTheMouseUntilAnotherDayOrAPress) {
  const TPlannerHint& hint = planner.Hint();
  planner.CellData(1, 8).hint = QStringLiteral("08.01.2026\rzweite Zeile");
  const QPoint eighth = CellCentre(planner, CellOf(planner, 1, 8).x(), 1);
  SendMouse(planner, QEvent::MouseMove, eighth, Qt::NoButton);
  ASSERT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.Lines(), (QStringList{"08.01.2026", "zweite Zeile"}));
  const QFontMetrics metrics(planner.Options().HintFont.font);
  const int height = 2 * metrics.height() + 5;
  EXPECT_EQ(hint.size(), QSize(metrics.horizontalAdvance("zweite Zeile") + 5, height));
  EXPECT_EQ(hint.pos(), planner.mapToGlobal(eighth) + QPoint(0, height));
  EXPECT_EQ(hint.Lifetime(), 500);
  EXPECT_EQ(hint.palette().color(QPalette::Window), QColor(Qt::yellow));

  // Within the same cell nothing changes; the next day shows its date.
  SendMouse(planner, QEvent::MouseMove, eighth + QPoint(1, 1), Qt::NoButton);
  EXPECT_EQ(hint.Lines().size(), 2);
  TYearPlannerOptions options = planner.Options();
  options.HintDelay = 2000;
  planner.SetOptions(options);
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, CellOf(planner, 1, 9).x(), 1),
            Qt::NoButton);
  EXPECT_EQ(hint.Lines(), QStringList{"09.01.2026"});
  EXPECT_EQ(hint.Lifetime(), 2000);
  SendMouse(planner, QEvent::MouseButtonPress, CellCentre(planner, CellOf(planner, 1, 9).x(), 1));
  EXPECT_FALSE(hint.isVisible());
  // Leaving the planner and coming back into the same day shows it again.
  SendMouse(planner, QEvent::MouseButtonRelease, CellCentre(planner, CellOf(planner, 1, 9).x(), 1),
            Qt::NoButton);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&planner, &leave);
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, CellOf(planner, 1, 9).x(), 1),
            Qt::NoButton);
  EXPECT_TRUE(hint.isVisible());
}

TEST_F(Planner, HintDisappearsWithThePlannerAndNeedsAText) {
  const TPlannerHint& hint = planner.Hint();
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, CellOf(planner, 4, 1).x(), 4),
            Qt::NoButton);
  ASSERT_TRUE(hint.isVisible());
  planner.hide();
  EXPECT_FALSE(hint.isVisible());
  planner.show();
  // Headings show no hint; without the default a day without a hint shows none.
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, 0, 4), Qt::NoButton);
  EXPECT_FALSE(hint.isVisible());
  TYearPlannerOptions options = planner.Options();
  options.ShowDefaultHint = false;
  planner.SetOptions(options);
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, CellOf(planner, 4, 2).x(), 4),
            Qt::NoButton);
  EXPECT_FALSE(hint.isVisible());
}

}  // namespace
}  // namespace tolvex::test
