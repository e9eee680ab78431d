// Pictures of the clock's moon and messages for a person to look at, saved
// to screenshots/ in the build folder: a lunation in steps of three days at
// every size, the three message boxes of Synchronise, the clock panel in its
// four layouts with German settings, and the year calendar of 2026.
#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>

#include "clock_bar.h"
#include "loopback_server.h"
#include "shared/modal.h"
#include "snapins/clock/calendar_window.h"
#include "snapins/clock/moon.h"
#include "snapins/clock/time_client.h"
#include "snapins/clock/time_sync.h"

namespace tolvex {
namespace {

QString Folder() {
  const QString folder = QStringLiteral(TOLVEX_BUILD_DIR "/screenshots");
  QDir().mkpath(folder);
  return folder;
}

TEST(ClockScreenshots, MoonPhases) {
  QWidget panel;
  QPalette palette;
  palette.setColor(QPalette::Window, Qt::black);
  panel.setPalette(palette);
  panel.setAutoFillBackground(true);
  const TMoonSize sizes[] = {TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16};
  // From the new moon of 6 January 2000 through the lunation.
  const TDateTime newMoon = EncodeDate(2000, 1, 6) + EncodeTime(18, 14, 0, 0);
  constexpr int kSteps = 10;
  panel.resize(kSteps * 68, 3 * 68);
  for (int row = 0; row < 3; ++row) {
    for (int step = 0; step < kSteps; ++step) {
      auto* moon = new TMoon(&panel);
      moon->SetMoonSize(sizes[row]);
      moon->SetDate(newMoon + 3 * step);
      moon->move(step * 68 + 2, row * 68 + 2);
    }
  }
  panel.show();
  EXPECT_TRUE(panel.grab().save(Folder() + "/clock_moon_phases.png"));
}

TEST(ClockScreenshots, SynchroniseMessages) {
  int shot = 0;
  TScopedModalAnswer answer([&shot](QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(dialog.grab().save(Folder() + QStringLiteral("/clock_sync_%1.png").arg(++shot)));
    dialog.hide();
    return int(QMessageBox::Ok);
  });
  TIdTime client;
  Synchronise(client, true);
  client.Host = "127.0.0.1";
  client.Port = test::RefusingPort();
  Synchronise(client, true);
  EXPECT_EQ(shot, 2);
}

TEST(ClockScreenshots, FourLayouts) {
  SetClock([] { return EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 0); });
  QImage sheet(4 * 112, 100, QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (int layout = 0; layout < 4; ++layout) {
    test::ClockBar bar;
    bar.Set("Layout", QString::number(layout));
    bar.Set("Moonphase", "1");
    TfrClock& clock = bar.Build();
    painter.drawPixmap(layout * 112, 0, clock.grab());
  }
  painter.end();
  SetClock({});
  EXPECT_TRUE(sheet.save(Folder() + "/clock_layouts.png"));
}

TEST(ClockScreenshots, YearCalendar2026) {
  test::ClockBar bar;  // German regional settings
  const TScopedClock clock([] { return EncodeDate(2026, 12, 24) + 0.5; });
  TwTolvexCalendar window(nullptr);
  window.show();
  EXPECT_TRUE(window.grab().save(Folder() + "/clock_year_calendar_2026.png"));
}

}  // namespace
}  // namespace tolvex
