// The clock panel on a stand-in bar: settings and their defaults, the
// layouts and their heights, the time and date texts with a clock of the
// test's own, the double click, the context menu, the month view and the
// dial-up events.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <functional>

#include "clock_bar.h"
#include "controls/action.h"
#include "platform/dial_up.h"
#include "platform/shell.h"
#include "platform/sim/sim_dial_up.h"
#include "shared/date_time.h"
#include "snapins/clock/clock_month.h"
#include "snapins/dialup/ras_notify.h"
#include "support/recording_shell.h"

namespace tolvex::test {
namespace {

QString Text(const TfrClock& clock, const char* label) {
  const auto* found = clock.findChild<QLabel*>(QLatin1String(label));
  return found != nullptr ? found->text() : QStringLiteral("<no label>");
}

TtxAction* Action(const TfrClock& clock, const char* name) {
  return clock.findChild<TtxAction*>(QLatin1String(name));
}

QWidget* Child(const TfrClock& clock, const char* name) {
  return clock.findChild<QWidget*>(QLatin1String(name));
}

// Replaces the system clock for one test.
class FixedNow {
 public:
  explicit FixedNow(TDateTime now) : now_(now) {
    SetClock([this] { return now_; });
  }
  ~FixedNow() { SetClock({}); }
  void Set(TDateTime now) { now_ = now; }

 private:
  TDateTime now_;
};

TEST(ClockPanel, EmptyFileGivesTheStandardLayoutAndWritesIt) {
  ClockBar bar;
  TfrClock& clock = bar.Build();
  EXPECT_EQ(clock.height(), 65);
  EXPECT_EQ(bar.contentHeight, ClockBar::kTop + 65);
  EXPECT_EQ(bar.Get("Layout"), "0");
  EXPECT_TRUE(Action(clock, "acLayoutStandard")->isChecked());
  EXPECT_TRUE(Action(clock, "acMondphase")->isEnabled());
  EXPECT_FALSE(Action(clock, "acMondphase")->isChecked());
  EXPECT_EQ(clock.TimeClient().Host, "time.nist.gov");
  EXPECT_FALSE(clock.RasWatchEnabled());
  EXPECT_FALSE(Text(clock, "txTime").isEmpty());
}

TEST(ClockPanel, UserDefinedHeightFollowsTheLastLineThatIsNotEmpty) {
  struct Case {
    const char* kinds;
    int height;
    bool line2Blank;
  };
  const Case cases[] = {
      {"2", 20, true}, {"103", 46, true}, {"000", 7, true}, {"123", 46, false}, {"12x9", 33, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kinds);
    ClockBar bar;
    bar.Set("Layout", "3");
    bar.Set("UserDef", c.kinds);
    TfrClock& clock = bar.Build();
    EXPECT_EQ(clock.height(), c.height);
    EXPECT_EQ(Child(clock, "pnUserDef")->height(), c.height);
    EXPECT_EQ(Child(clock, "pnUserDef")->y(), 0);
    EXPECT_EQ(Text(clock, "txUserDef2").isEmpty(), c.line2Blank);
    EXPECT_TRUE(Action(clock, "acLayoutUserDefined")->isChecked());
    EXPECT_FALSE(Action(clock, "acMondphase")->isEnabled());
  }
}

TEST(ClockPanel, LinesShowTheirKinds) {
  FixedNow now(EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 0));
  ClockBar bar;
  bar.Set("Layout", "3");
  bar.Set("UserDef", "123");
  bar.Set("UserDef1", "dd.mm.yyyy hh:nn");
  TfrClock& clock = bar.Build();
  // A time line sees the time of day alone.
  EXPECT_EQ(Text(clock, "txUserDef1"), "30.12.1899 14:05");
  EXPECT_EQ(Text(clock, "txUserDef2"), "Di., 8. Dez. 2026");
  EXPECT_EQ(Text(clock, "txUserDef3"), "KW: 50  Tag: 342");
  EXPECT_EQ(Text(clock, "txCompactDate"), "Di. 08.12.26 W50");
  // The time of a layout is set as it is shown (a tick sets only the one
  // on show).
  const struct {
    int layout;
    const char* label;
  } times[] = {{TfrClock::loStandard, "txTime"},
               {TfrClock::loCompact, "txCompactTime"},
               {TfrClock::loMonth, "txMonthTime"}};
  for (const auto& shown : times) {
    clock.ApplyLayout(shown.layout);
    EXPECT_EQ(Text(clock, shown.label), "14:05:09") << shown.label;
  }
  EXPECT_EQ(Text(clock, "txWeekday"), "Di");
  EXPECT_EQ(Text(clock, "txDay"), "8");
  EXPECT_EQ(Text(clock, "txMonth"), "Dez 2026");
}

TEST(ClockPanel, MidnightChangesTheDayButNotTheShownMonth) {
  FixedNow now(EncodeDate(2026, 11, 30) + EncodeTime(23, 59, 59, 500));
  ClockBar bar;
  bar.Set("UserDef", "23");
  TfrClock& clock = bar.Build();
  EXPECT_EQ(Text(clock, "txDay"), "30");
  EXPECT_EQ(Text(clock, "txWeekday"), "Mo");
  EXPECT_EQ(Text(clock, "txUserDef2"), "KW: 49  Tag: 334");
  now.Set(EncodeDate(2026, 12, 1) + EncodeTime(0, 0, 0, 500));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Text(clock, "txDay") == "1"; }, 3000));
  EXPECT_EQ(Text(clock, "txWeekday"), "Di");
  EXPECT_EQ(Text(clock, "txCompactDate"), "Di. 01.12.26 W49");
  EXPECT_EQ(Text(clock, "txUserDef1"), "Di., 1. Dez. 2026");
  EXPECT_EQ(Text(clock, "txUserDef2"), "KW: 49  Tag: 335");
  EXPECT_EQ(Text(clock, "txTime"), "00:00:00");
  EXPECT_EQ(Text(clock, "txMonth"), "Nov 2026");
}

TEST(ClockPanel, DoubleClickGoesToTheNextLayout) {
  struct Case {
    const char* stored;
    const char* clicked;
  };
  const Case cases[] = {{"3", "txUserDef1"}, {"7", "pnStandard"}, {"0", "txDay"}};
  const int expected[] = {0, 0, 1};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].stored);
    ClockBar bar;
    bar.Set("Layout", cases[i].stored);
    bar.Set("DblClickAction", "4");
    TfrClock& clock = bar.Build();
    const int restacks = bar.restacks;
    QTest::mouseDClick(Child(clock, cases[i].clicked), Qt::LeftButton);
    EXPECT_EQ(clock.Layout(), expected[i]);
    EXPECT_EQ(bar.Get("Layout"), QString::number(expected[i]));
    EXPECT_GT(bar.restacks, restacks);
    EXPECT_EQ(bar.contentHeight, ClockBar::kTop + clock.height());
  }
}

TEST(ClockPanel, LayoutOutsideTheRangeKeepsTheFormHeight) {
  ClockBar bar;
  bar.Set("Layout", "5");
  TfrClock& clock = bar.Build();
  EXPECT_EQ(clock.height(), TfrClock::kFormHeight);
  EXPECT_EQ(clock.Layout(), 5);
  EXPECT_EQ(bar.Get("Layout"), "5");
  for (const char* name :
       {"acLayoutStandard", "acLayoutCompact", "acLayoutMonth", "acLayoutUserDefined"}) {
    EXPECT_FALSE(Action(clock, name)->isChecked()) << name;
  }
  EXPECT_EQ(Child(clock, "pnStandard")->y(), 0);
  EXPECT_EQ(Child(clock, "pnCompact")->y(), 65);
  EXPECT_EQ(Child(clock, "pnMonth")->y(), 97);
  EXPECT_EQ(Child(clock, "pnUserDef")->y(), 193);
}

TEST(ClockPanel, LayoutActionsStackTheirPanelOnTop) {
  ClockBar bar;
  TfrClock& clock = bar.Build();
  const struct {
    const char* action;
    const char* panel;
    int height;
  } cases[] = {{"acLayoutCompact", "pnCompact", 32},
               {"acLayoutMonth", "pnMonth", 96},
               {"acLayoutUserDefined", "pnUserDef", 46},
               {"acLayoutStandard", "pnStandard", 65}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    Action(clock, c.action)->trigger();
    EXPECT_EQ(Child(clock, c.panel)->y(), 0);
    EXPECT_EQ(clock.height(), c.height);
    EXPECT_EQ(bar.contentHeight, ClockBar::kTop + c.height);
  }
}

TEST(ClockPanel, MoonPanelFollowsItsActionAndIsSavedAtShutdown) {
  ClockBar bar;
  bar.Set("Moonphase", "1");
  TfrClock& clock = bar.Build();
  EXPECT_TRUE(Child(clock, "pnMondphase")->isVisible());
  EXPECT_TRUE(Action(clock, "acMondphase")->isChecked());
  Action(clock, "acMondphase")->trigger();
  EXPECT_FALSE(Child(clock, "pnMondphase")->isVisible());
  EXPECT_EQ(bar.Get("Moonphase"), "1");
  clock.SaveSettings();
  EXPECT_EQ(bar.Get("Moonphase"), "0");
}

TEST(ClockPanel, ContextMenuHoldsActionsViewAndTheBarsSubmenu) {
  ClockBar bar;
  TfrClock& clock = bar.Build();
  const auto* menu = clock.findChild<QMenu*>("pmClock");
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (const QAction* action : menu->actions()) items << action->text();
  EXPECT_EQ(items,
            QStringList({"&Datum/Uhrzeit ändern...", "&Zeit synchronisieren", "&Jahreskalender...",
                         "&Mondphase", "", "&Ansicht", "&Optionen...", "", "&tolvexBar"}));
  QStringList view;
  for (const QAction* action : menu->actions().at(5)->menu()->actions()) view << action->text();
  EXPECT_EQ(view, QStringList({"&Standard", "&Kompakt", "&Monatsansicht", "&Benutzerdefiniert"}));
}

TEST(ClockPanel, ChangeDateTimeStartsTheFirstSettingsToolFound) {
  const QByteArray path = qgetenv("PATH");
  QTemporaryDir tools;
  const auto addTool = [&tools](const char* name) {
    QFile file(tools.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  };
  std::vector<TRecordingShell::Call> calls;
  platform::SetShell(std::make_unique<TRecordingShell>(calls));
  ClockBar bar;
  TfrClock& clock = bar.Build();
  qputenv("PATH", tools.path().toLocal8Bit());
  Action(clock, "acDatumUhrzeitAendern")->trigger();
  EXPECT_TRUE(calls.empty());
  addTool("time-admin");
  addTool("cinnamon-settings");
  Action(clock, "acDatumUhrzeitAendern")->trigger();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].target, tools.filePath("cinnamon-settings").toStdString());
  EXPECT_EQ(calls[0].showCommand, platform::ShowNormal);
  qputenv("PATH", path);
  platform::SetShell(nullptr);
}

TEST(ClockPanel, ConnectEventsSynchroniseOncePerConnection) {
  ClockBar bar;
  bar.Set("TimeServer", "");
  bar.Set("SyncOnRasConnect", "1");
  TfrClock& clock = bar.Build();
  EXPECT_TRUE(clock.RasWatchEnabled());
  EXPECT_EQ(clock.LastConnection(), 0u);
  clock.RasConnected(5);
  EXPECT_EQ(clock.LastConnection(), 5u);
  clock.RasConnected(5);
  EXPECT_EQ(clock.LastConnection(), 5u);
  clock.RasDisconnected();
  EXPECT_EQ(clock.LastConnection(), 0u);
}

TEST(ClockMonthView, DaysLieInTheirWeekdayColumns) {
  struct Case {
    int year, month, day;
    TMonthCell cell;
  };
  const Case cases[] = {
      // November 2026 starts on a Sunday and needs six rows.
      {2026, 11, 1, {7, 1}},
      {2026, 11, 2, {1, 2}},
      {2026, 11, 30, {1, 6}},
      // August 2026: 31 days from a Saturday.
      {2026, 8, 1, {6, 1}},
      {2026, 8, 31, {1, 6}},
      // February 2027 fills exactly four rows from a Monday.
      {2027, 2, 1, {1, 1}},
      {2027, 2, 28, {7, 4}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MonthCellOf(c.year, c.month, c.day), c.cell)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

// Counts the pixels of `image` inside `box` for which `match` holds.
int CountPixels(const QImage& image, const QRect& box, const std::function<bool(QRgb)>& match) {
  int count = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) count += match(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

TEST(ClockMonthView, TodayIsBlueAndTheWeekendBold) {
  // Wednesday 18 November 2026.
  FixedNow now(EncodeDate(2026, 11, 18) + 0.5);
  TClockMonthView view(nullptr);
  view.resize(140, 60);
  view.ShowMonth(2026, 11);
  const QImage image = view.grab().toImage();
  const auto blue = [](QRgb pixel) { return qBlue(pixel) > 150 && qRed(pixel) < 100; };
  const auto ink = [](QRgb pixel) { return qGray(pixel) < 100; };
  const auto box = [](TMonthCell cell) {
    return QRect((cell.column - 1) * 20, (cell.row - 1) * 10, 20, 10);
  };
  EXPECT_GT(CountPixels(image, box(MonthCellOf(2026, 11, 18)), blue), 0);
  EXPECT_EQ(CountPixels(image, box(MonthCellOf(2026, 11, 17)), blue), 0);
  // The same digits on Thursday 12 and Saturday 21: bold ink covers more
  // pixels.
  EXPECT_GT(CountPixels(image, box(MonthCellOf(2026, 11, 21)), ink),
            CountPixels(image, box(MonthCellOf(2026, 11, 12)), ink));
}

TEST(ClockPanel, AConnectionComingUpReachesTheClockThroughItsWatcher) {
  auto service = std::make_unique<platform::sim::SimDialUp>();
  platform::sim::SimDialUp& dialUp = *service;
  platform::SetDialUp(std::move(service));
  {
    ClockBar bar;
    bar.Set("TimeServer", "");
    bar.Set("SyncOnRasConnect", "1");
    TfrClock& clock = bar.Build();
    auto* watcher = clock.findChild<TRASNotify*>();
    ASSERT_NE(watcher, nullptr);
    const std::uint32_t handle = dialUp.AddConnection("Anbieter", platform::kStateConnected);
    watcher->Poll();
    EXPECT_EQ(clock.LastConnection(), handle);
    dialUp.RemoveConnection(handle);
    watcher->Poll();
    EXPECT_EQ(clock.LastConnection(), 0u);
  }
  platform::SetDialUp(nullptr);
}

}  // namespace
}  // namespace tolvex::test
