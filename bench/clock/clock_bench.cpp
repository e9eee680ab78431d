// What the clock costs the bar every second: one timer tick with new texts
// and the paint of the visible layout, for each of the four layouts.
#include <benchmark/benchmark.h>

#include <QImage>

#include "clock_bar.h"
#include "shared/date_time.h"

namespace {

void BM_TickAndPaint(benchmark::State& state) {
  tolvex::TDateTime now = tolvex::EncodeDate(2026, 12, 8) + tolvex::EncodeTime(14, 0, 0, 0);
  tolvex::SetClock([&now] { return now; });
  {
    tolvex::test::ClockBar bar;
    bar.Set("Layout", QString::number(state.range(0)));
    tolvex::TfrClock& clock = bar.Build();
    QImage canvas(clock.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
      now += 1.0 / 86400;
      clock.Tick();
      clock.render(&canvas);
    }
  }
  tolvex::SetClock({});
}
BENCHMARK(BM_TickAndPaint)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
