// Speed of the date helpers the clock runs every second and the year planner
// runs for every day of a year: formatting, decoding, week numbers, reading
// a stored date.
#include <benchmark/benchmark.h>

#include "platform/regional_settings.h"
#include "platform/sim/sim_regional_settings.h"
#include "shared/calendar.h"
#include "shared/date_time_texts.h"
#include "shared/format_date_time.h"

namespace tolvex {
namespace {

const TDateTime kMoment = EncodeDate(2026, 12, 7) + EncodeTime(7, 5, 3, 0);

void UseGermanSettings() {
  platform::SetRegionalSettings(std::make_unique<platform::sim::SimRegionalSettings>());
}

void BM_FormatDateTime(benchmark::State& state, const char* format) {
  UseGermanSettings();
  const QString pattern = QString::fromUtf8(format);
  for (auto _ : state) benchmark::DoNotOptimize(FormatDateTime(pattern, kMoment));
}
BENCHMARK_CAPTURE(BM_FormatDateTime, time, "hh:nn:ss");
BENCHMARK_CAPTURE(BM_FormatDateTime, compact_date, "ddd. dd.mm.yy");
BENCHMARK_CAPTURE(BM_FormatDateTime, long_date, "dddd, d. mmmm yyyy");

void BM_DecodeDate(benchmark::State& state) {
  TDateTime value = kMoment;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeDate(value));
    value += 1;
  }
}
BENCHMARK(BM_DecodeDate);

// One year planner fill: the week number of every day of a year.
void BM_WeekNumbersOfAYear(benchmark::State& state) {
  const TDateTime first = EncodeDate(2026, 1, 1);
  for (auto _ : state) {
    for (int day = 0; day < 365; ++day) benchmark::DoNotOptimize(WeekNumber(first + day));
  }
}
BENCHMARK(BM_WeekNumbersOfAYear);

void BM_TextToDate(benchmark::State& state) {
  UseGermanSettings();
  const QString text = QStringLiteral("07.12.2026");
  for (auto _ : state) benchmark::DoNotOptimize(TextToDate(text));
}
BENCHMARK(BM_TextToDate);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
