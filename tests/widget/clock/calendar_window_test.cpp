// The year calendar window: its parts, the hints and colours it fills in,
// the status line for the selection, a new year refilled, and the clock
// opening it once and keeping it when it is closed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>

#include "clock_bar.h"
#include "controls/action.h"
#include "planner_events.h"
#include "platform/desktop.h"
#include "platform/sim/sim_desktop.h"
#include "shared/calendar.h"
#include "snapins/clock/calendar_window.h"
#include "snapins/clock/year_planner.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

constexpr TColor kTeal = 0x808000;

// The window opened on `today`.
class Calendar {
 public:
  explicit Calendar(TDateTime today) : clock_([today] { return today + 0.4; }), window(nullptr) {
    window.show();
  }
  TYearPlanner& planner() { return window.ypYearPlanner(); }

 private:
  GermanSettings german_;
  TScopedClock clock_;

 public:
  TwTolvexCalendar window;
};

TEST(YearCalendar, CaptionSizeIconAndParts) {
  Calendar calendar(MakeDate(2026, 7, 15));
  TwTolvexCalendar& window = calendar.window;
  window.show();
  EXPECT_EQ(window.windowTitle(), "TolvexClock - Jahreskalender");
  EXPECT_EQ(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_EQ(calendar.planner().size(), QSize(615, 282));
  const auto* status = window.findChild<QStatusBar*>("sbStatus");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->y(), 282);
  EXPECT_EQ(calendar.planner().Year(), 2026);
}

TEST(YearCalendar, OpensOnTodayWithItsNames) {
  struct Case {
    TDateTime today;
    const char* status;
  };
  const Case cases[] = {
      {MakeDate(2001, 12, 24), "24.12.2001  KW: 52  (Heiligabend)"},
      {MakeDate(2006, 12, 24), "24.12.2006  KW: 51  (Heiligabend (4. Advent))"},
      {MakeDate(2026, 7, 15), "15.07.2026  KW: 29"},
  };
  for (const Case& c : cases) {
    Calendar calendar(c.today);
    EXPECT_EQ(calendar.window.StatusText(), QString::fromUtf8(c.status));
    EXPECT_EQ(calendar.planner().StartDate(), c.today);
    EXPECT_EQ(calendar.planner().EndDate(), c.today);
  }
}

TEST(YearCalendar, FillColoursTheNamedDaysTeal) {
  Calendar calendar(MakeDate(2026, 7, 15));
  TYearPlanner& planner = calendar.planner();
  const TCellData& newYear = planner.CellData(1, 1);
  EXPECT_EQ(newYear.hint, "01.01.2026  KW: 1  (Neujahr)");
  EXPECT_TRUE(newYear.useOwnColor);
  EXPECT_EQ(newYear.color, kTeal);
  const TCellData& plain = planner.CellData(1, 15);
  EXPECT_EQ(plain.hint, "15.01.2026  KW: 3");
  EXPECT_FALSE(plain.useOwnColor);
  EXPECT_EQ(planner.CellData(4, 3).hint, QString::fromUtf8("03.04.2026  KW: 14  (Karfreitag)"));
  EXPECT_EQ(planner.CellColor(CellOf(planner, 4, 3).x(), 4), kTeal);
}

TEST(YearCalendar, StatusLineDescribesTheSelection) {
  Calendar calendar(MakeDate(2026, 7, 15));
  TYearPlanner& planner = calendar.planner();
  Drag(planner, CellOf(planner, 3, 5), CellOf(planner, 3, 2));
  EXPECT_EQ(calendar.window.StatusText(), "02.03.2026  KW: 10   -   05.03.2026  KW: 10");
  Drag(planner, CellOf(planner, 10, 3), CellOf(planner, 10, 3));
  EXPECT_EQ(calendar.window.StatusText(), "03.10.2026  KW: 40  (Tag der deutschen Einheit)");
  // A press on the year cell beside the arrows: 1 January.
  SendMouse(planner, QEvent::MouseButtonPress, QPoint(30, 2));
  SendMouse(planner, QEvent::MouseButtonRelease, QPoint(30, 2), Qt::NoButton);
  EXPECT_EQ(calendar.window.StatusText(), "01.01.2026  KW: 1  (Neujahr)");
}

TEST(YearCalendar, ANewYearIsFilledAtOnce) {
  Calendar calendar(MakeDate(2026, 7, 15));
  TYearPlanner& planner = calendar.planner();
  SendMouse(planner, QEvent::MouseButtonPress, planner.Geometry().nextYear.center());
  EXPECT_EQ(planner.Year(), 2027);
  EXPECT_EQ(planner.CellData(1, 1).hint, "01.01.2027  KW: 53  (Neujahr)");
  // The release after the arrow shows the new year's first day.
  SendMouse(planner, QEvent::MouseButtonRelease, planner.Geometry().nextYear.center(),
            Qt::NoButton);
  EXPECT_EQ(calendar.window.StatusText(), "01.01.2027  KW: 53  (Neujahr)");

  // 2200 has no Easter: the fixed days, the day of unity and the seven
  // days of Advent and November remain.
  planner.SetYear(2200);
  int named = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= MonthLength(2200, month); ++day) {
      named += planner.CellData(month, day).useOwnColor ? 1 : 0;
    }
  }
  EXPECT_EQ(named, 16);
  EXPECT_EQ(planner.CellData(12, 21).hint, "21.12.2200  KW: 51  (4. Advent)");
}

TEST(YearCalendar, ClockOpensItOnceBesideTheBarAndClosingHidesIt) {
  auto desktop = std::make_unique<platform::sim::SimDesktop>();
  desktop->SetWorkArea({0, 0, 800, 600});
  platform::SetDesktop(std::move(desktop));
  {
    ClockBar bar;
    bar.move(300, 100);
    TfrClock& clock = bar.Build();
    EXPECT_EQ(clock.YearCalendar(), nullptr);
    clock.findChild<TtxAction*>("acJahreskalender")->trigger();
    TwTolvexCalendar* window = clock.YearCalendar();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &clock);
    // The bar's right edge is at 404: the window is pulled back to end at 800.
    EXPECT_EQ(window->frameGeometry().right() + 1, 800);
    EXPECT_EQ(window->frameGeometry().top(), 100);
    window->close();
    EXPECT_FALSE(window->isVisible());
    clock.findChild<TtxAction*>("acJahreskalender")->trigger();
    EXPECT_EQ(clock.YearCalendar(), window);
    EXPECT_TRUE(window->isVisible());
  }
  platform::SetDesktop(nullptr);
}

}  // namespace
}  // namespace tolvex::test
